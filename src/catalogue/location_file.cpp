#include "catalogue/location_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"

namespace tarvo {

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

constexpr const char* kBadRecordNumber = "Bad record number";

// Bytes / 66, rounded to nearest, an exact half to the even count.
long long RecordCount(long long bytes) {
    const long long size = static_cast<long long>(kLocationRecordSize);
    long long count = bytes / size;
    const long long rest = bytes % size;
    if (2 * rest > size || (2 * rest == size && count % 2 == 1)) {
        ++count;
    }
    return count;
}

// Reads up to `size` bytes at `offset`; fewer at the end of the file.
std::size_t ReadAt(int fd, unsigned char* out, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, out + done, size - done, offset + static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileReadError(Reason(errno));
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

}  // namespace

LocationFile::LocationFile(std::string_view fileName) {
    if (fileName.empty()) {
        throw FileOpenError(Reason(ENOENT));
    }
    const int fd = ::open(FilePath(fileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw FileOpenError(Reason(errno));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        throw FileOpenError(Reason(error));
    }
    const long long count = RecordCount(static_cast<long long>(info.st_size));
    if (count > kMaxRecords) {
        ::close(fd);
        throw FileOpenError(Reason(EFBIG));
    }
    fd_ = fd;
    count_ = static_cast<std::int16_t>(count);
}

LocationFile::~LocationFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

LocationFile::LocationFile(LocationFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), count_(std::exchange(other.count_, 0)) {}

LocationFile& LocationFile::operator=(LocationFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        count_ = std::exchange(other.count_, 0);
    }
    return *this;
}

LocationRecord LocationFile::Read(int n) const {
    if (n < 1 || n > kMaxRecords || fd_ < 0) {
        throw FileReadError(kBadRecordNumber);
    }
    unsigned char bytes[kLocationRecordSize];
    const std::size_t got =
        ReadAt(fd_, bytes, kLocationRecordSize, static_cast<off_t>(n - 1) * kLocationRecordSize);
    return DecodeLocationRecord(std::span<const unsigned char>(bytes, got));
}

std::vector<LocationRecord> LocationFile::ReadAll() const {
    std::vector<LocationRecord> records;
    if (fd_ < 0 || count_ == 0) {
        return records;
    }
    const std::size_t size = static_cast<std::size_t>(count_) * kLocationRecordSize;
    std::vector<unsigned char> bytes(size);
    const std::size_t got = ReadAt(fd_, bytes.data(), size, 0);
    records.reserve(static_cast<std::size_t>(count_));
    for (std::size_t start = 0; start < size; start += kLocationRecordSize) {
        const std::size_t present = got > start ? std::min(got - start, kLocationRecordSize) : 0;
        records.push_back(
            DecodeLocationRecord(std::span<const unsigned char>(bytes.data() + start, present)));
    }
    return records;
}

void LocationFile::Write(int n, const LocationRecord& record) {
    if (n < 1 || n > kMaxRecords || fd_ < 0) {
        throw FileWriteError(kBadRecordNumber);
    }
    const auto bytes = EncodeLocationRecord(record);
    const off_t offset = static_cast<off_t>(n - 1) * kLocationRecordSize;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                     offset + static_cast<off_t>(done));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileWriteError(Reason(errno));
        }
        done += static_cast<std::size_t>(put);
    }
    if (::fdatasync(fd_) != 0) {
        throw FileWriteError(Reason(errno));
    }
    if (n > count_) {
        count_ = static_cast<std::int16_t>(n);
    }
}

}  // namespace tarvo
