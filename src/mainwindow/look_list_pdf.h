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

// A document the program saves as a PDF: the name the save dialog offers and what the
// messages call it ("Look list.pdf", "The look list").
struct PdfDocument {
    std::string offeredName;
    std::string name;
};

// The PDF file of `document`, chosen and checked as ChooseLookListPdf chooses and checks
// the look list's.
std::optional<std::string> ChoosePdfFile(PlatformServices& platform, const MainWindowState& state,
                                         const PdfDocument& document);

}  // namespace tarvo
