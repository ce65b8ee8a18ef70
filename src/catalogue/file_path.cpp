#include "catalogue/file_path.h"

#include <string>

#include "common/codepage.h"

namespace tarvo {

std::filesystem::path FilePath(std::string_view fileName) {
    const std::string utf8 = Cp1252ToUtf8(fileName);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool IsNoFileName(std::string_view fileName) {
    return fileName.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace tarvo
