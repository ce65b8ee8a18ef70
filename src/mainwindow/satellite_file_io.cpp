// The satellite file: read when a file becomes current, rewritten whole after every
// change of the table; and the message refusing a duplicate name.

#include <string>
#include <utility>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"
#include "catalogue/satellite_file.h"
#include "catalogue/satellite_order.h"
#include "mainwindow/frm_satellite.h"
#include "platform/platform_services.h"

namespace tarvo {

void frmSatellite::ReadSatFile(std::string_view FileName) {
    if (IsNoFileName(FileName)) {
        return;  // a name of blanks only, as a settings line may hold, is no name
    }
    MainWindowState& s = state_;
    SatelliteFileRead read = ReadSatelliteFile(FileName);

    // The table holds exactly the complete records read, also after a failure, so that
    // SatLast() always counts the rows that are there.
    s.SatelliteTable = std::move(read.table);
    if (s.CurSat < 0 || s.CurSat > s.SatelliteTable.SatLast()) {
        s.CurSat = 0;
    }
    // A damaged file keeps everything after the damage only as long as nothing writes
    // it back from the rows read; a missing one has nothing to lose.
    s.SatFileIncomplete = !read.ok && !read.missing;

    if (read.ok) {
        LoadSatCombos();
        return;
    }
    // The lists keep showing the old catalogue. The name order follows the new table,
    // so that nothing reading it in name order meets a row that is not there.
    s.SatOrder = AlphabeticalOrder(s.SatelliteTable);
    ReportUnreadSatFile(FileName);
}

void frmSatellite::ReportUnreadSatFile(std::string_view fileName) {
    const MainWindowState& s = state_;
    const std::string text = "The file " + std::string(fileName) + " was not found or is corrupt!" +
                             s.LineBreak + "No satellites will be loaded.";
    platform_.messageBox(text, MsgButtons::Ok, MsgIcon::Critical, s.MsgTitle);
}

bool frmSatellite::RefuseIncompleteSatFile() {
    const MainWindowState& s = state_;
    if (!s.SatFileIncomplete) {
        return false;
    }
    platform_.messageBox("The satellite file " + s.Settings.SatFileName +
                             " could not be read completely and was left unchanged.",
                         MsgButtons::Ok, MsgIcon::Exclamation, s.MsgTitle);
    return true;
}

bool frmSatellite::WriteSatFile(std::string_view FileName) {
    bool written = true;
    try {
        WriteSatelliteFile(state_.SatelliteTable, FileName);
    } catch (const FileError& error) {
        ReportWriteFailure(FileName, error.what());
        written = false;
    }
    // The lists follow the table in memory, written or not.
    if (state_.Updating != -1) {
        LoadSatCombos();
    }
    return written;
}

void frmSatellite::Duplicate() {
    platform_.messageBox("Duplicate names not allowed!", MsgButtons::Ok, MsgIcon::None,
                         state_.MsgTitle);
}

}  // namespace tarvo
