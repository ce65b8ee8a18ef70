#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo {

// The file system path of a file name held as program text (Windows-1252 bytes).
// The one place where a name crosses from program text to the file system: the name
// goes through UTF-8, so "Öresund.loc" is the file the user sees under that name.
std::filesystem::path FilePath(std::string_view fileName);

// Whether a file name names no file: the empty text, or blanks (spaces, tabs) only,
// as a settings line holding only spaces does.
bool IsNoFileName(std::string_view fileName);

// `fileName` with `extension` (".pdf") added when its last part has none of its own:
// "Look list" gives "Look list.pdf", "list.txt" and "old.list/list.pdf" stay as they
// are. A name that begins with a dot and has no other ("./.hidden") counts as having
// no extension, as the file managers show it.
std::string WithDefaultExtension(std::string_view fileName, std::string_view extension);

// Whether two file names name one and the same file as the file system resolves them:
// relative to the current directory, through "." and "..", symbolic links and, for a
// file that is there, hard links and a file system that ignores letter case. A name
// that names no file (IsNoFileName) is the same as nothing.
bool SameFile(std::string_view a, std::string_view b);

}  // namespace tarvo
