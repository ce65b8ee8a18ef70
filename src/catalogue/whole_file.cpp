#include "catalogue/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <string>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"
#include "catalogue/posix_file.h"

namespace tarvo {

namespace fs = std::filesystem;
using posix::Descriptor;
using posix::ErrorText;

namespace {

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
    throw FileWriteError(ErrorText(ELOOP));
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Whether the program may replace an existing file. Decided from the permission bits
// as well as by the system: a file nobody may write to (chmod a-w) is read-only for
// this program, also when it runs as root, whom the system would let through.
void RefuseReadOnly(const fs::path& target, mode_t mode) {
    if ((mode & 0222) == 0) {
        throw FileWriteError(ErrorText(EACCES));
    }
    if (::access(target.c_str(), W_OK) != 0) {
        throw FileWriteError(ErrorText(errno));
    }
}

// A writable file in a folder where no new file can be made (the folder itself is
// read-only) is rewritten where it is: the new bytes over the old, the rest cut off,
// flushed. Space for the new length is claimed first where the file system can, so
// that a full disk refuses the write before anything is overwritten.
void RewriteInPlace(const fs::path& target, std::string_view bytes) {
    Descriptor file;
    try {
        file = posix::OpenRegularFile(target, O_WRONLY);
    } catch (const FileOpenError& error) {
        throw FileWriteError(error.what());
    }
    const off_t length = static_cast<off_t>(bytes.size());
    if (length > 0) {
        if (::fallocate(file.get(), 0, 0, length) != 0 && errno != EOPNOTSUPP) {
            throw FileWriteError(ErrorText(errno));
        }
    }
    posix::WriteAt(file, bytes, 0);
    if (posix::RetryOnInterrupt([&] { return ::ftruncate(file.get(), length); }) != 0) {
        throw FileWriteError(ErrorText(errno));
    }
    posix::Flush(file);
    if (const int error = file.CloseNow(); error != 0) {
        throw FileWriteError(ErrorText(error));
    }
}

// Writes the bytes into a new temporary file, flushed and closed; removes it again
// on failure.
void WriteTemporary(const Descriptor& temporary, const std::string& name, std::string_view bytes,
                    mode_t mode) {
    try {
        posix::WriteAt(temporary, bytes, 0);
        if (::fchmod(temporary.get(), mode) != 0) {
            throw FileWriteError(ErrorText(errno));
        }
        if (posix::RetryOnInterrupt([&] { return ::fsync(temporary.get()); }) != 0) {
            throw FileWriteError(ErrorText(errno));
        }
    } catch (...) {
        ::unlink(name.c_str());
        throw;
    }
}

}  // namespace

std::string ReadWholeFile(std::string_view fileName) {
    if (IsNoFileName(fileName)) {
        throw FileOpenError(ErrorText(ENOENT));
    }
    try {
        const Descriptor file = posix::OpenRegularFile(FilePath(fileName), O_RDONLY);
        return posix::ReadAll(file);
    } catch (const std::bad_alloc&) {
        throw FileReadError(ErrorText(ENOMEM));
    }
}

void WriteWholeFile(std::string_view fileName, std::string_view bytes) {
    if (IsNoFileName(fileName)) {
        throw FileWriteError(ErrorText(ENOENT));
    }
    const fs::path target = FollowLinks(FilePath(fileName));

    mode_t mode = NewFileMode();
    bool exists = false;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            throw FileWriteError(ErrorText(EISDIR));
        }
        if (!S_ISREG(info.st_mode)) {
            throw FileWriteError(std::string(posix::kNotARegularFile));
        }
        RefuseReadOnly(target, info.st_mode);
        mode = info.st_mode & 07777;
        exists = true;
    } else if (errno != ENOENT) {
        throw FileWriteError(ErrorText(errno));
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor temporary(::mkstemp(name.data()));
    if (!temporary.valid()) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM)) {
            RewriteInPlace(target, bytes);
            return;
        }
        throw FileWriteError(ErrorText(error));
    }
    WriteTemporary(temporary, name, bytes, mode);
    int error = temporary.CloseNow();
    if (error == 0 && ::rename(name.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(name.c_str());
        throw FileWriteError(ErrorText(error));
    }

    // Make the rename itself durable; a folder that cannot be synced changes nothing.
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid()) {
        ::fsync(directory.get());
    }
}

void CopyWholeFile(std::string_view from, std::string_view to) {
    // Location files are at most 32,767 records of 66 bytes: about 2 MB in memory.
    WriteWholeFile(to, ReadWholeFile(from));
}

}  // namespace tarvo
