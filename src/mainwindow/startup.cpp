// The start-up sequence: the window filled from the settings, satellite and location
// files, with the first calculation done.

#include <QPushButton>
#include <exception>
#include <string>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"
#include "common/number_text.h"
#include "mainwindow/frm_satellite.h"
#include "mainwindow/updating_guard.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/fatal_report.h"
#include "platform/option_button.h"
#include "platform/platform_services.h"
#include "platform/show_painted.h"
#include "platform/text_box.h"

namespace tarvo {

void frmSatellite::Form_Load() {
    MainWindowState& s = state_;

    // 1. The splash window goes for good.
    if (splash_) {
        splash_->close();
    }

    SetStartStep("showing the main window");
    // 2. The window is visible, painted with its captions, while the rest is read:
    // the files are read before the event loop runs, so it is painted here.
    ShowPainted(*this);

    // 3. to 5. The constants and the flag.
    s.StartDir = platform_.currentDirectory();
    s.Pi = 3.1415927;
    s.Updating = 0;
    s.LineBreak = "\n\r";
    s.ConfirmText = s.LineBreak + "Do you really want to do that?";
    s.MsgTitle = "SNG Tarvo";
    ReportUnusableStartDir();

    // 6., 7. Both report their own failures.
    SetStartStep("reading tarvo.ini");
    ReadINIFile();
    SetStartStep("reading the satellite file");
    ReadSatFile(s.Settings.SatFileName);

    // 8. The order of the name list as the settings say; Updating keeps the option's
    // handler from rewriting the settings file. It stays -1 by hand through steps 9 to
    // 11 (step 9 lowers it only after ticking the box) and comes down at step 12.
    s.Updating = -1;
    if (s.Settings.SortAlpha != 0) {
        optAlpha->setValue(true);
    } else {
        optArc->setValue(true);
    }

    ShowDefaultSatellite();  // 9.
    SetStartStep("reading the location file");
    OpenStartupLocationFile();  // 10.
    SetStartStep("the first calculation");
    ShowDefaultLocation();               // 11.
    s.Updating = 0;                      // 12.
    cmdSaveLocation->setEnabled(false);  // 13.
}

// The program's files hold 8-bit text, so a folder whose name has letters outside
// Windows-1252 (Cyrillic, CJK) cannot be named in them: it is refused as the start-up
// folder (StartDir stays empty) rather than stored with question marks and later
// reported as "not found". Files named relative to it (tarvo.ini, tarvo.sat, the help
// document) still work; files chosen in it through the file dialogs cannot be stored.
void frmSatellite::ReportUnusableStartDir() {
    const MainWindowState& s = state_;
    if (!s.StartDir.empty()) {
        return;
    }
    platform_.messageBox(
        "The name of the current folder has letters that the program's files "
        "cannot hold." +
            s.LineBreak +
            "Files chosen in this folder cannot be stored in the settings. "
            "Start SNG Tarvo from a folder whose name has only Western "
            "European letters.",
        MsgButtons::Ok, MsgIcon::Exclamation, s.MsgTitle);
}

// Row 0 of the satellite table in the satellite controls. Any failure on the way (an
// empty table above all) ends this step quietly; start-up goes on.
void frmSatellite::ShowDefaultSatellite() {
    MainWindowState& s = state_;
    if (s.SatelliteTable.Empty()) {
        return;
    }
    try {
        const SatelliteRecord row = s.SatelliteTable.Row(0);
        cboSatName->setText(row.SatName);  // the stored 25 characters, spaces and all
        cboSatLong->setText(NumberText(row.SatLong));
        if (row.SatLook == 1) {
            UpdatingGuard updating(s.Updating);
            chkLookList->setValue(1);
        }
    } catch (const std::exception&) {
        // Nothing to say: the satellite controls show what they could.
    }
}

// The current location file opened and listed. A file that cannot be opened or read
// leaves the program with no location file, no records and an empty list; the user is
// told why, unless no file is named at all (as after a rebuild of the settings, or a
// settings line of blanks).
void frmSatellite::OpenStartupLocationFile() {
    MainWindowState& s = state_;
    const std::string name = s.Settings.LocFileName;
    try {
        OpenLocationData(name);
        LoadLocationCombo();
    } catch (const FileError& failure) {
        s.LocFile.reset();
        s.LocCount = 0;
        s.LocNames = LocationNames();
        cboLocations->clear();
        if (!IsNoFileName(name)) {
            platform_.messageBox("The location file " + name + " could not be opened." +
                                     s.LineBreak + failure.what() + s.LineBreak +
                                     "No locations are available.",
                                 MsgButtons::Ok, MsgIcon::Exclamation, s.MsgTitle);
        }
    }
}

// The default location from the settings, then the first calculation. A blank default
// puts 0 into both boxes, and the calculation leaves the results empty.
void frmSatellite::ShowDefaultLocation() {
    MainWindowState& s = state_;
    s.Updating = -1;  // until step 12
    // The stored 50 characters, spaces and all. The list's change handler runs and
    // enables "Save New Location"; the end of start-up disables it again.
    cboLocations->setText(s.Settings.DefaultLocName);
    txtLongitude->setText(NumberText(s.Settings.DefaultLocLong));
    txtLatitude->setText(NumberText(s.Settings.DefaultLocLat));
    Calculate();
}

}  // namespace tarvo
