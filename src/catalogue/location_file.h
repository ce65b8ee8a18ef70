#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "catalogue/location_record.h"
#include "catalogue/posix_file.h"

namespace tarvo {

// The number of records in a location file of `bytes` bytes, deleted ones included: the
// length divided by 66, rounded to the nearest whole number with a half going to the
// even one (100 bytes hold 2 records, 98 bytes 1, 33 bytes none).
long long LocationRecordCount(long long bytes);

// The records of a location file held in memory, as LocationFile::ReadAll reads them
// from the file: LocationRecordCount(bytes.size()) records, the last one cut short (or
// missing altogether) read as DecodeLocationRecord reads it.
std::vector<LocationRecord> ReadLocationRecords(std::span<const unsigned char> bytes);

// The open location file: records of 66 bytes, numbered from 1, read and written in
// place while the file is current. Opening never truncates or rewrites the file; a
// missing file is created empty. The file closes when the object goes.
class LocationFile {
  public:
    // Records are numbered with 16-bit numbers.
    static constexpr int kMaxRecords = 32767;

    // Opens `fileName` (program text) for reading and writing, creating it empty when
    // it does not exist. Throws FileOpenError with the reason: no name (empty or
    // blanks), a folder, device or pipe, no access, or more than 32767 records.
    explicit LocationFile(std::string_view fileName);

    // The number of records, deleted ones included: LocationRecordCount of its length.
    std::int16_t Count() const { return count_; }

    // Record n (1..32767). Bytes beyond the end of the file read as spaces in the name
    // and zeros in the coordinates. Throws FileReadError on a bad record number or a
    // failed read.
    LocationRecord Read(int n) const;

    // Records 1..Count() in one read; element i is record i + 1. Throws FileReadError,
    // also when memory runs out.
    std::vector<LocationRecord> ReadAll() const;

    // Writes record n (1..32767) in place at byte (n - 1) * 66 and flushes it to disk;
    // record Count() + 1 appends. Throws FileWriteError with the reason; the file then
    // keeps its length, so that a record added at the end is not there even in part.
    void Write(int n, const LocationRecord& record);

  private:
    posix::Descriptor file_;
    std::int16_t count_ = 0;
};

}  // namespace tarvo
