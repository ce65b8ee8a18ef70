#pragma once

#include <stdexcept>
#include <string>

namespace tarvo {

// A data file that could not be opened, read or written. what() is the reason in the
// words of the operating system ("Permission denied", "Is a directory"), ready for the
// window to show; the operation that failed left the file as it was.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class FileOpenError : public FileError {
  public:
    using FileError::FileError;
};

class FileReadError : public FileError {
  public:
    using FileError::FileError;
};

class FileWriteError : public FileError {
  public:
    using FileError::FileError;
};

}  // namespace tarvo
