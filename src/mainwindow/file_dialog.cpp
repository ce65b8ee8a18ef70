// The file dialog shared by the file commands of both catalogues.

#include "mainwindow/file_dialog.h"

#include <utility>

#include "catalogue/settings_file.h"
#include "mainwindow/main_window_state.h"

namespace tarvo {

void ReportNameOutsideCodePage(PlatformServices& platform, const MainWindowState& state,
                               std::string_view path) {
    platform.messageBox(std::string(path) + state.LineBreak +
                            "This name holds characters that the program cannot keep in its "
                            "files. Please choose a file whose name and folders use only "
                            "Western European letters.",
                        MsgButtons::Ok, MsgIcon::Exclamation, state.MsgTitle);
}

bool ChosenFileExists(PlatformServices& platform, std::string_view path,
                      std::string_view fileTitle) {
    const std::string found = platform.lookUpFileName(path);
    return !found.empty() && found == fileTitle;
}

std::optional<ChosenFile> ChooseFile(PlatformServices& platform, MainWindowState& state,
                                     FileDialogRequest::Kind kind, std::string_view filter) {
    FileDialogRequest request;
    request.kind = kind;
    request.filter = std::string(filter);
    request.filterIndex = 1;
    request.fileName = state.DialogFileName;

    std::optional<FileChoice> choice = platform.fileDialog(request);
    if (!choice) {
        return std::nullopt;
    }
    if (!choice->fitsCodePage) {
        ReportNameOutsideCodePage(platform, state, choice->path);
        return std::nullopt;
    }
    if (!FnSettingsTextStorable(choice->path)) {
        platform.messageBox(choice->path + state.LineBreak +
                                "This name holds a line break, which the settings file cannot "
                                "keep. Please choose another file.",
                            MsgButtons::Ok, MsgIcon::Exclamation, state.MsgTitle);
        return std::nullopt;
    }
    state.DialogFileName = choice->path;
    ChosenFile chosen{std::move(choice->path), std::move(choice->fileTitle), false};
    chosen.exists = ChosenFileExists(platform, chosen.path, chosen.fileTitle);
    return chosen;
}

}  // namespace tarvo
