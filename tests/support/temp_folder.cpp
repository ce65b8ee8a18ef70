#include "support/temp_folder.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace tarvo::test {

TempFolder::TempFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder from " + pattern);
    }
    path_ = std::filesystem::canonical(pattern);
    std::filesystem::current_path(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    // A test may have made the folder read-only to see a write refused.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace tarvo::test
