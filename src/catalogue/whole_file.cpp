#include "catalogue/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"

namespace tarvo {

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now and reports the error of close itself (0 when fine).
    int CloseNow() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Follows symbolic links to the file they finally name, so that rewriting a linked
// file replaces the file and keeps the link.
fs::path FollowLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(path, error);
        if (error || !fs::is_symlink(status)) {
            return path;
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            throw FileWriteError(error.message());
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throw FileWriteError(Reason(ELOOP));
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string ReadWholeFile(std::string_view fileName) {
    if (fileName.empty()) {
        throw FileOpenError(Reason(ENOENT));
    }
    const fs::path path = FilePath(fileName);
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        throw FileOpenError(Reason(errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw FileOpenError(Reason(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        throw FileOpenError(Reason(EISDIR));
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileReadError(Reason(errno));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

void WriteWholeFile(std::string_view fileName, std::string_view bytes) {
    if (fileName.empty()) {
        throw FileWriteError(Reason(ENOENT));
    }
    const fs::path target = FollowLinks(FilePath(fileName));

    mode_t mode = NewFileMode();
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            throw FileWriteError(Reason(EISDIR));
        }
        if (::access(target.c_str(), W_OK) != 0) {
            throw FileWriteError(Reason(errno));
        }
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        throw FileWriteError(Reason(errno));
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor temporary(::mkstemp(pattern.data()));
    if (temporary.get() < 0) {
        throw FileWriteError(Reason(errno));
    }

    int error = 0;
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0 && error == 0) {
        const ssize_t written = ::write(temporary.get(), next, left);
        if (written < 0) {
            if (errno != EINTR) {
                error = errno;
            }
            continue;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    if (error == 0 && ::fchmod(temporary.get(), mode) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(temporary.get()) != 0) {
        error = errno;
    }
    const int closeError = temporary.CloseNow();
    if (error == 0) {
        error = closeError;
    }
    if (error == 0 && ::rename(pattern.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(pattern.c_str());
        throw FileWriteError(Reason(error));
    }

    // Make the rename itself durable; a folder that cannot be synced changes nothing.
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get());
    }
}

}  // namespace tarvo
