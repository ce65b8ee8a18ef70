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

std::string WithDefaultExtension(std::string_view fileName, std::string_view extension) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::string_view leaf =
        slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = leaf.find_last_of('.');
    std::string named(fileName);
    if (dot == std::string_view::npos || dot == 0) {
        named += extension;
    }
    return named;
}

namespace {

// The name as the file system resolves it: absolute, its links followed and "." and ".."
// gone as far as it is there, the rest taken as written.
std::filesystem::path Resolved(const std::filesystem::path& name, std::error_code& error) {
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    if (error) {
        return {};
    }
    return std::filesystem::weakly_canonical(absolute, error);
}

}  // namespace

bool SameFile(std::string_view a, std::string_view b) {
    if (IsNoFileName(a) || IsNoFileName(b)) {
        return false;
    }
    const std::filesystem::path first = FilePath(a);
    const std::filesystem::path second = FilePath(b);
    std::error_code error;
    if (std::filesystem::equivalent(first, second, error)) {
        return true;  // one file under two names
    }
    // Names of files that are not there (yet): the same when they resolve alike, each
    // made absolute first (a relative name whose first part is not there would
    // otherwise stay relative).
    const std::filesystem::path resolvedFirst = Resolved(first, error);
    if (error) {
        return false;
    }
    const std::filesystem::path resolvedSecond = Resolved(second, error);
    return !error && resolvedFirst == resolvedSecond;
}

}  // namespace tarvo
