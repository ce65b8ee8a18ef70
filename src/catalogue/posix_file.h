#pragma once

#include <sys/types.h>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo::posix {

// The few system calls the data files need, each with its failure turned into the
// file layer's exception (catalogue/file_error.h) and its interruptions retried.

// The operating system's words for an error number ("Permission denied").
std::string ErrorText(int error);

// The reason given for a path that is there but is not a plain file: a folder,
// a device or a pipe is never read or written as a data file.
inline constexpr std::string_view kNotARegularFile = "Not a regular file";

// Runs a system call again for as long as a signal interrupts it (-1 with EINTR).
template <typename Call>
auto RetryOnInterrupt(Call call) {
    for (;;) {
        const auto result = call();
        if (!(result == -1 && errno == EINTR)) {
            return result;
        }
    }
}

// One open file descriptor, closed when the holder goes.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and tells the error of close itself (0 when fine): a failed close
    // can be the first sign that written data did not reach the disk.
    int CloseNow();

  private:
    int fd_ = -1;
};

// Opens a plain file. `flags` are those of open(2) (O_RDONLY, O_RDWR | O_CREAT, ...).
// A folder, device or pipe is refused without being opened for use. Throws
// FileOpenError with the reason.
Descriptor OpenRegularFile(const std::filesystem::path& path, int flags);

// The length of an open file in bytes. Throws FileReadError.
long long FileLength(const Descriptor& file);

// Reads up to `size` bytes at `offset`, fewer only at the end of the file; returns how
// many. Throws FileReadError.
std::size_t ReadAt(const Descriptor& file, void* out, std::size_t size, off_t offset);

// The whole file from its start. Throws FileReadError, also when memory runs out.
std::string ReadAll(const Descriptor& file);

// Writes all of `bytes` at `offset`. Throws FileWriteError.
void WriteAt(const Descriptor& file, std::string_view bytes, off_t offset);

// Flushes the file's data to the disk. Throws FileWriteError.
void Flush(const Descriptor& file);

}  // namespace tarvo::posix
