#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// Looks a path up on disk as a directory listing would: the name of the regular file
// there as it is stored (without directory), or the empty text for a missing path, a
// folder or an empty path. On a file system that ignores letter case the stored name
// may differ in case from the name asked for.
std::string LookUpFileName(std::string_view path);

}  // namespace tarvo
