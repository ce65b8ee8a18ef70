// The satellite file commands of the File menu: start a new satellite file, open
// another one, and save the catalogue under another name. The chosen file becomes the
// current one and the settings file names it.

#include <optional>
#include <string>
#include <utility>

#include "catalogue/file_error.h"
#include "catalogue/satellite_edits.h"
#include "catalogue/satellite_file.h"
#include "mainwindow/file_dialog.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/updating_guard.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/platform_services.h"

namespace tarvo {
namespace {

using Kind = FileDialogRequest::Kind;

// The questions of the file commands: OK/Cancel with the exclamation icon.
bool ConfirmedOk(frmSatellite& form, const std::string& question) {
    const MainWindowState& s = form.state();
    return form.platform().messageBox(question, MsgButtons::OkCancel, MsgIcon::Exclamation,
                                      s.MsgTitle) == MsgAnswer::Ok;
}

// The default satellite (row 0) shown as the current one, found by its name as stored.
void ShowDefaultAsCurrent(frmSatellite& form) {
    const SatelliteTable& table = form.state().SatelliteTable;
    if (table.Empty()) {
        return;  // a damaged file without one complete record
    }
    const std::string stored = table.Row(0).SatName;
    form.cboSatName->setText(stored);
    form.GetSatLong();
}

}  // namespace

void frmSatellite::mnuNewSatFile_Click() {
    MainWindowState& s = state_;
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, s, Kind::Open, kSatelliteFileFilter);
    if (!chosen) {
        return;
    }
    if (chosen->exists &&
        !ConfirmedOk(*this, chosen->path + " already exists." + s.LineBreak +
                                "This operation will erase any existing data in this file." +
                                s.ConfirmText)) {
        return;
    }
    // The new file is written first; only a file that is there becomes current.
    SatelliteTable blank = NewSatelliteTable();
    try {
        WriteSatelliteFile(blank, chosen->path);
    } catch (const FileError& error) {
        ReportWriteFailure(chosen->path, error.what());
        return;
    }
    s.Settings.SatFileName = chosen->path;
    WriteINIFile();
    s.SatelliteTable = std::move(blank);
    LoadSatCombos();  // one blank entry in each list, whatever Updating was
    UpdatingGuard updating(s.Updating);
    chkLookList->setValue(0);
}

void frmSatellite::mnuOpenSatFile_Click() {
    MainWindowState& s = state_;
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, s, Kind::Open, kSatelliteFileFilter);
    if (!chosen) {
        return;
    }
    if (!chosen->exists) {
        platform_.messageBox(chosen->path + " Not Found", MsgButtons::Ok, MsgIcon::Exclamation,
                             s.MsgTitle);
        return;
    }
    // A damaged file is reported by the reader; the settings name it all the same.
    s.Settings.SatFileName = chosen->path;
    ReadSatFile(s.Settings.SatFileName);
    WriteINIFile();
    ShowDefaultAsCurrent(*this);
    Calculate();
}

void frmSatellite::mnuSaveSatFileAs_Click() {
    MainWindowState& s = state_;
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, s, Kind::Save, kSatelliteFileFilter);
    if (!chosen) {
        return;
    }
    // While the current file is named without a folder, any file of that name counts.
    if (s.Settings.SatFileName == chosen->fileTitle || s.Settings.SatFileName == chosen->path) {
        platform_.messageBox("You cannot copy the file on to itself!", MsgButtons::Ok,
                             MsgIcon::Exclamation, s.MsgTitle);
        return;
    }
    if (chosen->exists && !ConfirmedOk(*this, "You are about to overwite:" + s.LineBreak +
                                                  chosen->path + s.ConfirmText)) {
        return;
    }
    // Written first; a failure is reported and the old file stays the current one.
    if (!WriteSatFile(chosen->path)) {
        return;
    }
    s.Settings.SatFileName = chosen->path;
    WriteINIFile();
    ShowDefaultAsCurrent(*this);  // no calculation follows
}

}  // namespace tarvo
