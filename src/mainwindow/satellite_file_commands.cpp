// The satellite file commands of the File menu: start a new satellite file, open
// another one, and save the catalogue under another name. The chosen file becomes the
// current one and the settings file names it.
//
// Each command first makes sure of the chosen file (written whole, or read whole),
// then names it in tarvo.ini, and only then makes it current: a step that fails is
// reported and leaves the current file, the catalogue on screen and the settings as
// they were. Each ends with the default satellite (or nothing) shown and calculated,
// so that the results always belong to the satellite in the boxes.

#include <optional>
#include <string>
#include <utility>

#include "catalogue/file_error.h"
#include "catalogue/satellite_edits.h"
#include "catalogue/satellite_file.h"
#include "mainwindow/file_dialog.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/prompts.h"
#include "mainwindow/updating_guard.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/platform_services.h"

namespace tarvo {
namespace {

using Kind = FileDialogRequest::Kind;

}  // namespace

// The default satellite (row 0) shown as the current one, found by its name as stored,
// and calculated. CurSat starts again from 0: a default that is not in the catalogue
// leaves no row current, never a row number of the catalogue shown before.
void frmSatellite::ShowDefaultAsCurrent() {
    MainWindowState& s = state_;
    s.CurSat = 0;
    if (!s.SatelliteTable.Empty()) {
        const std::string stored = s.SatelliteTable.Row(0).SatName;
        cboSatName->setText(stored);
        GetSatLong();
    }
    Calculate();
}

bool frmSatellite::NameCurrentSatFile(const std::string& path) {
    MainWindowState& s = state_;
    const std::string stillCurrent =
        s.Settings.SatFileName + " is still the current satellite file.";
    s.Settings.SatFileName = path;
    return RewriteINIFile(stillCurrent);  // on a failure the settings are the file's again
}

void frmSatellite::mnuNewSatFile_Click() {
    MainWindowState& s = state_;
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, s, Kind::Open, kSatelliteFileFilter);
    if (!chosen) {
        return;
    }
    if (chosen->exists &&
        !prompts().ConfirmedOk(chosen->path + " already exists." + s.LineBreak +
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
    if (!NameCurrentSatFile(chosen->path)) {
        return;
    }
    s.SatelliteTable = std::move(blank);
    s.SatFileIncomplete = false;
    s.CurSat = 0;     // the boxes show no satellite
    LoadSatCombos();  // one blank entry in each list, whatever Updating was
    {
        UpdatingGuard updating(s.Updating);
        chkLookList->setValue(0);
    }
    Calculate();  // the emptied boxes empty the results
}

void frmSatellite::mnuOpenSatFile_Click() {
    MainWindowState& s = state_;
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, s, Kind::Open, kSatelliteFileFilter);
    if (!chosen) {
        return;
    }
    if (!chosen->exists) {
        prompts().Refusal(chosen->path + " Not Found");
        return;
    }
    // A file that does not read whole is reported and not taken: the catalogue shown
    // stays, and so does the file it came from.
    SatelliteFileRead read = ReadSatelliteFile(chosen->path);
    if (!read.ok) {
        ReportUnreadSatFile(chosen->path);
        return;
    }
    if (!NameCurrentSatFile(chosen->path)) {
        return;
    }
    s.SatelliteTable = std::move(read.table);
    s.SatFileIncomplete = false;
    LoadSatCombos();
    ShowDefaultAsCurrent();
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
        prompts().Refusal("You cannot copy the file on to itself!");
        return;
    }
    if (chosen->exists && !prompts().ConfirmedOk("You are about to overwite:" + s.LineBreak +
                                                 chosen->path + s.ConfirmText)) {
        return;
    }
    // Written first; a failure is reported and the old file stays the current one. The
    // copy holds all of the table, also of one read only in part, so it may be written
    // again from then on.
    try {
        WriteSatelliteFile(s.SatelliteTable, chosen->path);
    } catch (const FileError& error) {
        ReportWriteFailure(chosen->path, error.what());
        return;
    }
    if (!NameCurrentSatFile(chosen->path)) {
        return;
    }
    s.SatFileIncomplete = false;
    LoadSatCombos();
    ShowDefaultAsCurrent();
}

}  // namespace tarvo
