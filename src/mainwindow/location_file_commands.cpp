// The location file commands of the File menu: start a new location file (or take over
// an existing one to add to it), open one, save the current one under another name.
//
// Each command asks everything first and only then touches files, in an order that
// cannot leave the program without a location file: the chosen file is opened (for
// Save As, copied and then opened) while the current one stays open, tarvo.ini is
// rewritten to name it, and only then does it replace the current one. A step that
// fails is reported with the file and the reason, and everything stays as it was.

#include <optional>
#include <string>
#include <utility>

#include "catalogue/file_error.h"
#include "catalogue/location_file.h"
#include "catalogue/whole_file.h"
#include "mainwindow/file_dialog.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/prompts.h"
#include "platform/combo_box.h"
#include "platform/platform_services.h"
#include "platform/text_box.h"

namespace tarvo {

namespace {

// What a failed step tells besides its reason: which file is still the current one.
std::string StillCurrent(const MainWindowState& s) {
    if (!s.LocFile) {
        return {};
    }
    return s.LineBreak + s.Settings.LocFileName + " is still the current location file.";
}

}  // namespace

// Makes `path` the current location file: opens it (a missing file is created empty),
// names it in tarvo.ini, then closes the old one. Any failure is reported, and the old
// file stays open and current with the settings naming it.
bool frmSatellite::MakeCurrent(const std::string& path) {
    MainWindowState& s = state_;
    std::optional<LocationFile> opened;
    try {
        opened.emplace(path);
    } catch (const FileError& failure) {
        prompts().Refusal("The location file " + path + " could not be opened." + s.LineBreak +
                          failure.what() + StillCurrent(s));
        return false;
    }
    s.Settings.LocFileName = path;
    if (!WriteINIFile()) {  // reported; the settings are the file's again
        return false;
    }
    s.LocFile = std::move(opened);  // the old file closes here
    s.LocCount = s.LocFile->Count();
    return true;
}

// The newly current file on screen: its last live location chosen and shown, or, when
// it holds none, an empty list and name with both coordinates 0. No location is the
// current one of the location commands until one is chosen.
void frmSatellite::ShowNewLocationFile() {
    MainWindowState& s = state_;
    s.LocIndex = 0;
    if (s.LocCount > 0) {
        LoadLocationCombo();
        for (int n = s.LocCount; n >= 1; --n) {
            if (const auto& name = s.LocNames.Name(n)) {
                cboLocations->setText(*name);
                cboLocations_Click();
                return;
            }
        }
        // Every record is deleted: the names, none of which a search finds, stay.
    } else {
        s.LocNames = LocationNames();
    }
    cboLocations->clear();
    txtLatitude->setText("0");
    txtLongitude->setText("0");
    Calculate();
}

void frmSatellite::mnuNewLocFile_Click() {
    MainWindowState& s = state_;
    const auto chosen =
        ChooseFile(platform_, s, FileDialogRequest::Kind::Open, kLocationFileFilter);
    if (!chosen) {
        return;
    }
    // An existing file is taken over as it is: its records stay and new ones join them.
    if (chosen->exists &&
        !prompts().ConfirmedOk(chosen->path + " already exists." + s.LineBreak +
                               "This operation will append the existing file." + s.ConfirmText)) {
        return;
    }
    if (MakeCurrent(chosen->path)) {
        ShowNewLocationFile();
    }
}

void frmSatellite::mnuOpenLocFile_Click() {
    MainWindowState& s = state_;
    const auto chosen =
        ChooseFile(platform_, s, FileDialogRequest::Kind::Open, kLocationFileFilter);
    if (!chosen) {
        return;
    }
    if (!chosen->exists) {
        // Either button ends the command.
        prompts().ConfirmedOk("Cannot find: " + chosen->path);
        return;
    }
    if (MakeCurrent(chosen->path)) {
        ShowNewLocationFile();
    }
}

void frmSatellite::mnuSaveLocFileAs_Click() {
    MainWindowState& s = state_;
    if (!s.LocFile) {
        prompts().Refusal("No location file is open, so there is nothing to save.");
        return;
    }
    const auto chosen =
        ChooseFile(platform_, s, FileDialogRequest::Kind::Save, kLocationFileFilter);
    if (!chosen) {
        return;
    }
    // A current file named without its folder counts as any file of that name.
    const std::string& current = s.Settings.LocFileName;
    if (current == chosen->fileTitle || current == chosen->path) {
        prompts().Refusal("You cannot copy the file on to itself!");
        return;
    }
    if (chosen->exists &&
        !prompts().ConfirmedOk(chosen->path + " already exists." + s.LineBreak +
                               "This operation will overwite the existing file." + s.ConfirmText)) {
        return;
    }
    // The copy replaces an existing file only once it is complete.
    try {
        CopyWholeFile(current, chosen->path);
    } catch (const FileWriteError& failure) {
        prompts().Refusal("The file " + chosen->path + " could not be written." + s.LineBreak +
                          failure.what() + StillCurrent(s));
        return;
    } catch (const FileError& failure) {
        prompts().Refusal("The location file " + current + " could not be read." + s.LineBreak +
                          failure.what() + StillCurrent(s));
        return;
    }
    // The copy holds the same records: the list and the location shown stay.
    MakeCurrent(chosen->path);
}

}  // namespace tarvo
