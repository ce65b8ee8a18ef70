#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform_services.h"

namespace tarvo {

struct MainWindowState;

// The filter lists of the file dialogs: pairs of description and pattern.
inline constexpr std::string_view kLocationFileFilter =
    "Location Files (*.loc)|*.loc|All Files (*.*)|*.*";
inline constexpr std::string_view kSatelliteFileFilter =
    "Satellite Files (*.sat)|*.sat|All Files (*.*)|*.*";

// The file the user chose in a file dialog.
struct ChosenFile {
    std::string path;       // with its directory
    std::string fileTitle;  // the name alone
    // The name found on disk at `path` equals `fileTitle` exactly, letter case included.
    // A missing path, a folder, or a name stored in another case counts as no file.
    bool exists = false;
};

// The one file dialog of the six file commands (new, open and save-as of satellite and
// location files), set up the same way by each: cancelling ends the command; the
// command's filter list with its first filter selected; no title (the platform's own
// "Open" or "Save As" shows), no default extension, no initial directory, no checks of
// its own; the name field offers the path chosen last in any of the six.
//
// Returns nothing when the user cancels. A path with characters that the program's
// 8-bit files cannot hold, or with a line break that the settings file could not keep
// on its line, is refused with a message and returns nothing too; it does not become
// the path offered next time. Every path taken does.
std::optional<ChosenFile> ChooseFile(PlatformServices& platform, MainWindowState& state,
                                     FileDialogRequest::Kind kind, std::string_view filter);

// Tells the user that `path` holds characters that the program's 8-bit files cannot
// hold (they stand as '?' in it), so that it names no file of the user's.
void ReportNameOutsideCodePage(PlatformServices& platform, const MainWindowState& state,
                               std::string_view path);

// True when looking up `path` on disk gives exactly the name `fileTitle`.
bool ChosenFileExists(PlatformServices& platform, std::string_view path,
                      std::string_view fileTitle);

}  // namespace tarvo
