// The location file and the location list: opening the file, filling the list, and
// choosing a name in it.

#include <QPushButton>
#include <utility>
#include <vector>

#include "catalogue/file_error.h"
#include "common/fixed_text.h"
#include "common/number_text.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/updating_guard.h"
#include "platform/combo_box.h"
#include "platform/text_box.h"

namespace tarvo {

void frmSatellite::OpenLocationData(std::string_view FileName) {
    MainWindowState& s = state_;
    // Until the new file is open there is none: a failed open leaves no records to read.
    s.LocFile.reset();
    s.LocCount = 0;
    s.LocFile.emplace(FileName);
    s.LocCount = s.LocFile->Count();
}

void frmSatellite::LoadLocationCombo() {
    MainWindowState& s = state_;
    if (s.LocCount == 0) {
        return;  // the list, the coordinate boxes and the names stay as they were
    }
    if (!s.LocFile) {
        throw FileReadError("No location file is open");
    }

    // Emptying the boxes is not the program's own write: with Updating at 0 the
    // coordinate handlers take it as an edit of the position.
    cboLocations->clear();
    txtLatitude->setText("");
    txtLongitude->setText("");

    std::vector<LocationRecord> records;
    if (s.LocCount == s.LocFile->Count()) {
        records = s.LocFile->ReadAll();
    } else {
        records.reserve(static_cast<std::size_t>(s.LocCount));
        for (int n = 1; n <= s.LocCount; ++n) {
            records.push_back(s.LocFile->Read(n));
        }
    }
    LocationRecord last = records.back();
    s.LocNames = LocationNames(std::move(records));  // takes the names, not copies
    cboLocations->addItems(s.LocNames.ListEntries());
    s.LocBuffer = std::move(last);
}

void frmSatellite::cboLocations_Click() {
    MainWindowState& s = state_;
    s.Updating = 0;
    cmdSaveLocation->setEnabled(false);
    gpsHeight_.reset();  // a chosen place, even at the same coordinates, has no GPS height

    // The text as it stands, matched exactly (case and spaces count) at 50 characters.
    const int found = s.LocNames.Find(cboLocations->text());
    if (s.LocFile && found >= 1 && found <= s.LocCount) {
        s.LocIndex = found;
        s.LocBuffer = s.LocFile->Read(found);
        {
            UpdatingGuard updating(s.Updating);
            cboLocations->setText(TrimSpaces(s.LocBuffer.LocName));
            txtLatitude->setText(NumberText(s.LocBuffer.LocLat));
            txtLongitude->setText(NumberText(s.LocBuffer.LocLong));
        }
        Calculate();
        // Writing the name raised cboLocations_Change, which enabled it.
        cmdSaveLocation->setEnabled(false);
        return;
    }

    // No record has that name. Emptying the latitude with Updating at 0 runs
    // txtLatitude_Change, which empties the list's text, whose change handler raises
    // Updating and enables "Save New Location". The results went with the position:
    // the calculation of the empty boxes empties them (and leaves Updating at -1).
    s.LocIndex = s.LocCount + 1;
    txtLatitude->setText("");
    txtLongitude->setText("");
    Calculate();
}

// The text of the location list changed, by typing or by the program: it may be a new
// name, so later edits of the coordinates belong to it and it may be saved.
void frmSatellite::cboLocations_Change() {
    // Left at -1 on purpose: the coordinate edits that follow a typed name must not
    // empty it again (txtLatitude_Change and txtLongitude_Change see -1 and keep it).
    state_.Updating = -1;
    cmdSaveLocation->setEnabled(true);
}

}  // namespace tarvo
