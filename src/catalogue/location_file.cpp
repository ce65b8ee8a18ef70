#include "catalogue/location_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <string>
#include <utility>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"
#include "common/int16.h"

namespace tarvo {

namespace {

constexpr const char* kBadRecordNumber = "Bad record number";

// Appends `records` records decoded from the bytes of `piece`, which may end early: a
// record it holds only in part, or not at all, is read as a record cut short.
void AppendRecords(std::span<const unsigned char> piece, std::size_t records,
                   std::vector<LocationRecord>& out) {
    for (std::size_t at = 0; at < records * kLocationRecordSize; at += kLocationRecordSize) {
        out.push_back(DecodeLocationRecord(
            at < piece.size() ? piece.subspan(at, std::min(piece.size() - at, kLocationRecordSize))
                              : std::span<const unsigned char>()));
    }
}

}  // namespace

// The quotient is exact enough: a half (a rest of 33 bytes) is exactly representable,
// and any other rest lies at least 1/66 away from it, far beyond the error of the
// division for any length a file system holds.
long long LocationRecordCount(long long bytes) {
    return static_cast<long long>(
        RoundHalfToEven(static_cast<double>(bytes) / static_cast<double>(kLocationRecordSize)));
}

std::vector<LocationRecord> ReadLocationRecords(std::span<const unsigned char> bytes) {
    const long long count = LocationRecordCount(static_cast<long long>(bytes.size()));
    std::vector<LocationRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    AppendRecords(bytes, static_cast<std::size_t>(count), records);
    return records;
}

LocationFile::LocationFile(std::string_view fileName) {
    if (IsNoFileName(fileName)) {
        throw FileOpenError(posix::ErrorText(ENOENT));
    }
    posix::Descriptor file = posix::OpenRegularFile(FilePath(fileName), O_RDWR | O_CREAT);
    long long count = 0;
    try {
        count = LocationRecordCount(posix::FileLength(file));
    } catch (const FileError& error) {
        throw FileOpenError(error.what());
    }
    if (count > kMaxRecords) {
        throw FileOpenError(posix::ErrorText(EFBIG));
    }
    file_ = std::move(file);
    count_ = static_cast<std::int16_t>(count);
}

LocationRecord LocationFile::Read(int n) const {
    if (n < 1 || n > kMaxRecords || !file_.valid()) {
        throw FileReadError(kBadRecordNumber);
    }
    unsigned char bytes[kLocationRecordSize];
    const std::size_t got = posix::ReadAt(file_, bytes, kLocationRecordSize,
                                          static_cast<off_t>(n - 1) * kLocationRecordSize);
    return DecodeLocationRecord(std::span<const unsigned char>(bytes, got));
}

std::vector<LocationRecord> LocationFile::ReadAll() const {
    std::vector<LocationRecord> records;
    if (!file_.valid() || count_ == 0) {
        return records;
    }
    try {
        records.reserve(static_cast<std::size_t>(count_));
        // Read in pieces of whole records through one small buffer rather than into a
        // copy of the whole file: a file of 32,767 records is 2 MiB.
        constexpr std::size_t kPieceRecords = 1024;
        std::vector<unsigned char> piece(kPieceRecords * kLocationRecordSize);
        const std::size_t size = static_cast<std::size_t>(count_) * kLocationRecordSize;
        bool ended = false;  // the file is shorter than its count (a last record cut short)
        for (std::size_t start = 0; start < size; start += piece.size()) {
            const std::size_t want = std::min(piece.size(), size - start);
            const std::size_t got =
                ended ? 0 : posix::ReadAt(file_, piece.data(), want, static_cast<off_t>(start));
            ended = got < want;
            AppendRecords(std::span<const unsigned char>(piece.data(), got),
                          want / kLocationRecordSize, records);
        }
    } catch (const std::bad_alloc&) {
        throw FileReadError(posix::ErrorText(ENOMEM));
    }
    return records;
}

void LocationFile::Write(int n, const LocationRecord& record) {
    if (n < 1 || n > kMaxRecords || !file_.valid()) {
        throw FileWriteError(kBadRecordNumber);
    }
    const auto bytes = EncodeLocationRecord(record);
    const off_t offset = static_cast<off_t>(n - 1) * kLocationRecordSize;
    // A record added at the end that fails part way (a full disk takes only some of its
    // bytes) is taken back: left there, its first bytes would count as a location of
    // their own the next time the file is opened.
    struct stat before {};
    const bool grows = ::fstat(file_.get(), &before) == 0 &&
                       offset + static_cast<off_t>(kLocationRecordSize) > before.st_size;
    try {
        posix::WriteAt(file_,
                       std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       offset);
        posix::Flush(file_);
    } catch (const FileWriteError&) {
        if (grows) {
            posix::RetryOnInterrupt([&] { return ::ftruncate(file_.get(), before.st_size); });
        }
        throw;
    }
    if (n > count_) {
        count_ = static_cast<std::int16_t>(n);
    }
}

}  // namespace tarvo
