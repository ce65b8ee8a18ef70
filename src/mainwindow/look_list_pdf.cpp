// The PDF file of the look list, for a computer without a printer.

#include "mainwindow/look_list_pdf.h"

#include <string_view>

#include "catalogue/file_path.h"
#include "catalogue/settings_file.h"
#include "mainwindow/file_dialog.h"
#include "mainwindow/main_window_state.h"
#include "platform/platform_services.h"

namespace tarvo {

namespace {

// What one of the program's own files is to the crew, or nothing for any other file.
std::optional<std::string_view> OwnFile(const MainWindowState& state, const std::string& path) {
    if (SameFile(path, kSettingsFileName)) {
        return "This is the settings file of the program.";
    }
    if (SameFile(path, state.Settings.SatFileName)) {
        return "This is the current satellite file.";
    }
    if (SameFile(path, state.Settings.LocFileName)) {
        return "This is the current location file.";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ChooseLookListPdf(PlatformServices& platform,
                                             const MainWindowState& state) {
    return ChoosePdfFile(platform, state, {"Look list.pdf", "The look list"});
}

std::optional<std::string> ChoosePdfFile(PlatformServices& platform, const MainWindowState& state,
                                         const PdfDocument& document) {
    const std::optional<FileChoice> choice = platform.fileDialog(
        {FileDialogRequest::Kind::Save, "PDF Files (*.pdf)|*.pdf", 1, document.offeredName});
    if (!choice) {
        return std::nullopt;
    }
    if (!choice->fitsCodePage) {
        ReportNameOutsideCodePage(platform, state, choice->path);
        return std::nullopt;
    }
    const std::string path = WithDefaultExtension(choice->path, ".pdf");
    if (const std::optional<std::string_view> own = OwnFile(state, path)) {
        platform.messageBox(path + state.LineBreak + std::string(*own) + state.LineBreak +
                                document.name +
                                " cannot be saved over it. Please choose another name.",
                            MsgButtons::Ok, MsgIcon::Exclamation, state.MsgTitle);
        return std::nullopt;
    }
    if (!platform.lookUpFileName(path).empty() &&
        platform.messageBox(path + " already exists." + state.LineBreak + document.name +
                                " will replace it." + state.ConfirmText,
                            MsgButtons::OkCancel, MsgIcon::Exclamation,
                            state.MsgTitle) != MsgAnswer::Ok) {
        return std::nullopt;
    }
    return path;
}

}  // namespace tarvo
