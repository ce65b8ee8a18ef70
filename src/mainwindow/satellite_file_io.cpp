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

    if (read.ok) {
        LoadSatCombos();
        return;
    }
    // The lists keep showing the old catalogue. The name order follows the new table,
    // so that nothing reading it in name order meets a row that is not there.
    s.SatOrder = AlphabeticalOrder(s.SatelliteTable);
    const std::string text = "The file " + std::string(FileName) + " was not found or is corrupt!" +
                             s.LineBreak + "No satellites will be loaded.";
    platform_.messageBox(text, MsgButtons::Ok, MsgIcon::Critical, s.MsgTitle);
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
