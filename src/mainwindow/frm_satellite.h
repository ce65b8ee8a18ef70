#pragma once

#include <QMainWindow>
#include <string_view>

#include "mainwindow/main_window_state.h"

class QAction;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tarvo {

class CheckBox;
class ComboBox;
class Label;
class OptionButton;
class PlatformServices;
class TextBox;

// The program's working window: the truck position, the chosen satellite, the three
// results and the menus. It owns MainWindowState; every operation of the program is a
// method of this window or a handler of one of its controls.
//
// The controls are public so that the other windows and the tests can read and drive
// them as the user would. Each control's objectName is its name here.
class frmSatellite : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmSatellite(PlatformServices& platform, QWidget* parent = nullptr);
    ~frmSatellite() override;

    MainWindowState& state() { return state_; }
    const MainWindowState& state() const { return state_; }
    PlatformServices& platform() { return platform_; }

    // --- Operations -------------------------------------------------------------------

    // Reads the satellite position and the truck position from the controls, rewrites
    // the coordinate boxes in decimal degrees and writes azimuth, elevation and range
    // (antenna offsets added) into the result boxes. Invalid input or any run-time
    // failure leaves the result boxes empty; nothing is reported.
    void Calculate();

    // Closes the files the program holds open and ends the program.
    void ExitProgram();

    // --- Start-up, location file and location list ------------------------------------

    // Opens `FileName` as the current location file, for reading and writing, creating
    // a missing file empty (an existing one is never truncated), and counts its records
    // into LocCount. Throws FileOpenError when the file cannot be opened.
    void OpenLocationData(std::string_view FileName);

    // Fills the location list (sorted, ignoring case) and LocNames from the open file
    // and empties the coordinate boxes. With no records, does nothing at all.
    // Throws FileReadError when a record cannot be read.
    void LoadLocationCombo();

    // The user chose a name in the location list: shows that record and calculates,
    // or, when no record has that name, empties the coordinate boxes.
    void cboLocations_Click();

    // --- Event handlers ---------------------------------------------------------------
    void cmdCalculate_Click();
    void txtLatitude_Change();
    void txtLongitude_Change();
    void cboLocations_Change();
    void cmdExit_Click();
    void mnuExit_Click();

    // --- Controls ---------------------------------------------------------------------
    // Frame "Satellite Location"
    QGroupBox* frmSatelliteLocation = nullptr;
    Label* lblPresetSatellites = nullptr;
    ComboBox* cboSatName = nullptr;
    OptionButton* optAlpha = nullptr;
    OptionButton* optArc = nullptr;
    Label* lblSatelliteLocation = nullptr;
    ComboBox* cboSatLong = nullptr;
    Label* lblLookList = nullptr;
    CheckBox* chkLookList = nullptr;

    QLabel* imgSatTruck = nullptr;

    // Frame "Truck Location"
    QGroupBox* frmCoordinates = nullptr;
    Label* lblPresetLocations = nullptr;
    ComboBox* cboLocations = nullptr;
    Label* lblLongitude = nullptr;
    TextBox* txtLongitude = nullptr;
    Label* lblLatitude = nullptr;
    TextBox* txtLatitude = nullptr;

    // Frame "Look Angle" (the results)
    QGroupBox* frmLookAngle = nullptr;
    Label* lblElevation = nullptr;
    TextBox* txtElevation = nullptr;
    Label* lblAzimuth = nullptr;
    TextBox* txtAzimuth = nullptr;
    Label* lblRange = nullptr;
    TextBox* txtRange = nullptr;

    // The row of command buttons
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdPrintLookList = nullptr;
    QPushButton* cmdDisplayLookList = nullptr;
    QPushButton* cmdSaveLocation = nullptr;
    QPushButton* cmdExit = nullptr;

    // --- Menus ------------------------------------------------------------------------
    QMenu* mnuFile = nullptr;
    QAction* mnuNewSatFile = nullptr;
    QAction* mnuSaveSatFileAs = nullptr;
    QAction* mnuOpenSatFile = nullptr;
    QAction* mnuNewLocFile = nullptr;
    QAction* mnuSaveLocFileAs = nullptr;
    QAction* mnuOpenLocFile = nullptr;
    QAction* mnuPreferences = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuLocations = nullptr;
    QAction* mnuLocationDefault = nullptr;
    QAction* mnuAddLocation = nullptr;
    QAction* mnuSaveLocation = nullptr;
    QAction* mnuDeleteLocation = nullptr;

    QMenu* mnuSatellites = nullptr;
    QAction* mnuSatelliteDefault = nullptr;
    QAction* mnuAddSatellite = nullptr;
    QAction* mnuSaveSatellite = nullptr;
    QAction* mnuDeleteSatellite = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuCallHelp = nullptr;
    QAction* mnuAbout = nullptr;

  protected:
    // Closing the window by its frame ends the program as Exit does.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildLayout();  // frm_satellite_layout.cpp
    void BuildSatelliteFrame(QWidget* client);
    void BuildCoordinatesFrame(QWidget* client);
    void BuildLookAngleFrame(QWidget* client);
    void BuildButtonRow(QWidget* client);
    void SetTabOrder();
    void BuildMenus();  // frm_satellite_menus.cpp
    void WireEvents();  // frm_satellite.cpp

    // The result boxes emptied, range first (calculate.cpp).
    void ClearResults();

    MainWindowState state_;
    PlatformServices& platform_;
};

}  // namespace tarvo
