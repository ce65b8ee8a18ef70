#include "catalogue/posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <new>
#include <utility>

#include "catalogue/file_error.h"

namespace tarvo::posix {

std::string ErrorText(int error) {
    return std::strerror(error);
}

Descriptor::Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int Descriptor::CloseNow() {
    if (fd_ < 0) {
        return 0;
    }
    // close(2) is not retried: the descriptor is gone even when it reports EINTR.
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
}

namespace {

[[noreturn]] void RefuseKind(mode_t mode) {
    if (S_ISDIR(mode)) {
        throw FileOpenError(ErrorText(EISDIR));
    }
    throw FileOpenError(std::string(kNotARegularFile));
}

}  // namespace

Descriptor OpenRegularFile(const std::filesystem::path& path, int flags) {
    // Looked at before opening, so that a device is never opened (which may have
    // effects of its own) and a pipe cannot block the program waiting for a writer.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        RefuseKind(info.st_mode);
    }
    Descriptor file(RetryOnInterrupt(
        [&] { return ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666); }));
    if (!file.valid()) {
        throw FileOpenError(ErrorText(errno));
    }
    // The name may have changed hands between the look and the opening.
    if (::fstat(file.get(), &info) != 0) {
        throw FileOpenError(ErrorText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        RefuseKind(info.st_mode);
    }
    // A file that nobody may write to (chmod a-w) is not opened for writing, also not
    // when the program runs as root, whom the system would let through.
    if ((flags & O_ACCMODE) != O_RDONLY && (info.st_mode & 0222) == 0) {
        throw FileOpenError(ErrorText(EACCES));
    }
    const int status = ::fcntl(file.get(), F_GETFL);
    if (status == -1 || ::fcntl(file.get(), F_SETFL, status & ~O_NONBLOCK) == -1) {
        throw FileOpenError(ErrorText(errno));
    }
    return file;
}

long long FileLength(const Descriptor& file) {
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw FileReadError(ErrorText(errno));
    }
    return static_cast<long long>(info.st_size);
}

std::size_t ReadAt(const Descriptor& file, void* out, std::size_t size, off_t offset) {
    auto* bytes = static_cast<unsigned char*>(out);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = RetryOnInterrupt([&] {
            return ::pread(file.get(), bytes + done, size - done,
                           offset + static_cast<off_t>(done));
        });
        if (got < 0) {
            throw FileReadError(ErrorText(errno));
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

std::string ReadAll(const Descriptor& file) {
    try {
        // Read straight into a string of the file's length, one more byte to see the
        // end: no growing and copying on the way. A file that grows while it is read
        // is read on to its new end.
        std::string bytes(static_cast<std::size_t>(FileLength(file)) + 1, '\0');
        std::size_t done = 0;
        for (;;) {
            const std::size_t got =
                ReadAt(file, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            done += got;
            if (done < bytes.size()) {
                bytes.resize(done);
                return bytes;
            }
            bytes.resize(bytes.size() + bytes.size() / 2 + 65536);
        }
    } catch (const std::bad_alloc&) {
        throw FileReadError(ErrorText(ENOMEM));
    } catch (const std::length_error&) {
        throw FileReadError(ErrorText(ENOMEM));
    }
}

void WriteAt(const Descriptor& file, std::string_view bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = RetryOnInterrupt([&] {
            return ::pwrite(file.get(), bytes.data() + done, bytes.size() - done,
                            offset + static_cast<off_t>(done));
        });
        if (put < 0) {
            throw FileWriteError(ErrorText(errno));
        }
        done += static_cast<std::size_t>(put);
    }
}

void Flush(const Descriptor& file) {
    if (RetryOnInterrupt([&] { return ::fdatasync(file.get()); }) != 0) {
        throw FileWriteError(ErrorText(errno));
    }
}

}  // namespace tarvo::posix
