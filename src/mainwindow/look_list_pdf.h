#pragma once

#include <optional>
#include <string>

namespace tarvo {

class PlatformServices;
struct MainWindowState;

// The file the look list is saved in as a PDF, chosen in the save dialog: ".pdf" added
// to a name without an extension; refused, with a message, when it is one of the
// program's own files (tarvo.ini, the current satellite file, the current location
// file, each compared as the file system resolves names) or when its name holds
// characters that program text cannot hold; a file already there replaced only when
// the user says so. Nothing when the user cancels or the name is refused.
std::optional<std::string> ChooseLookListPdf(PlatformServices& platform,
                                             const MainWindowState& state);

}  // namespace tarvo
