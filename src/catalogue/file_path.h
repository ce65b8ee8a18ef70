#pragma once

#include <filesystem>
#include <string_view>

namespace tarvo {

// The file system path of a file name held as program text (Windows-1252 bytes).
// The one place where a name crosses from program text to the file system: the name
// goes through UTF-8, so "Öresund.loc" is the file the user sees under that name.
std::filesystem::path FilePath(std::string_view fileName);

// Whether a file name names no file: the empty text, or blanks (spaces, tabs) only,
// as a settings line holding only spaces does.
bool IsNoFileName(std::string_view fileName);

}  // namespace tarvo
