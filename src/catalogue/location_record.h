#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tarvo {

// The width of a location name (in a record of the location file and as the default
// location of tarvo.ini) and the size of a record in a location file.
inline constexpr std::size_t kLocNameWidth = 50;
inline constexpr std::size_t kLocationRecordSize = 66;

// The name of a deleted record, without its padding: the single byte 0xFF.
inline constexpr std::string_view kDeletedLocationMark = "\xFF";

// One named truck location: a record of a location file.
struct LocationRecord {
    std::string LocName = std::string(kLocNameWidth, ' ');  // 50 characters on disk
    double LocLat = 0;                                      // degrees north
    double LocLong = 0;                                     // degrees west
};

// The 66 bytes of a record: the name padded or cut to 50 bytes, then latitude and
// longitude as little-endian IEEE 754 doubles.
std::array<unsigned char, kLocationRecordSize> EncodeLocationRecord(const LocationRecord& record);

// A record from its bytes. Bytes missing at the end (a record cut short by the end
// of the file) read as spaces in the name and zeros in the coordinates; a coordinate
// that is not a finite number (a damaged record) reads as 0.
LocationRecord DecodeLocationRecord(std::span<const unsigned char> bytes);

// A deleted record: the mark padded with spaces to the name's width, both coordinates 0.
LocationRecord DeletedLocationRecord();

// True when `name`, without leading and trailing spaces, is the mark of a deleted record.
bool IsDeletionMarkName(std::string_view name);

// True when the record's name is the mark of a deleted record.
bool IsDeletedLocation(const LocationRecord& record);

}  // namespace tarvo
