#pragma once

#include <filesystem>
#include <string>

namespace tarvo::test {

// A fresh, empty folder under the system's temporary directory, made the process's
// current directory for the lifetime of this object. On destruction the previous
// current directory comes back and the folder goes away with all it holds.
// The program opens its settings file by bare name in the current directory, so a
// test that builds a form inside a TempFolder never touches the user's own files.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // The full path of a file inside the folder.
    std::filesystem::path file(const std::filesystem::path& name) const { return path_ / name; }
    // The same as a file name of the program's own (its folders are plain ASCII).
    std::string Name(const std::string& leaf) const { return (path_ / leaf).string(); }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

}  // namespace tarvo::test
