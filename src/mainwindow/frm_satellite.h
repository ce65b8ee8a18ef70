#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "gps/gpsd_client.h"
#include "looklist/frm_look_list.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/prompts.h"

class QAction;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tarvo {

class AidSettingsStore;
class CheckBox;
class ComboBox;
class frmAbout;
class frmGpsPosition;
class frmPointing;
class frmPref;
class frmSkyView;
class frmSunOutage;
class Label;
class OptionButton;
class PlatformServices;
class PrintJob;
class TextBox;
class OutputDestination;
class LookListRowPass;
class MainWindowView;
class SatelliteWindowView;
struct RowPassStart;
enum class CalculationStage;
class TextMeasure;

namespace test {
struct MainWindowAccess;
}

// The program's working window: the truck position, the chosen satellite, the three
// results and the menus. It owns MainWindowState; every operation of the program is a
// method of this window or a handler of one of its controls.
//
// Its controls are its own: the aid windows see it through MainWindowView, main() starts
// and ends it, and the tests find a control by its objectName, which is its name here.
class frmSatellite : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmSatellite(PlatformServices& platform, QWidget* parent = nullptr);
    ~frmSatellite() override;

    // What the window holds, for reading; only the window's own commands change it.
    const MainWindowState& state() const { return state_; }

    // What the aid windows are given of this window: what each calculation showed, the
    // catalogue with its marks, the settings, and a signal after every calculation.
    MainWindowView& view();

    // The pointing aid's settings (pointing.ini) that the aid windows are given: the
    // store main.cpp holds for the whole run, set before the window is used. A window
    // given none reads pointing.ini of the working folder into a store of its own when
    // an aid window first needs it.
    void setAidSettings(AidSettingsStore& store) { aidSettings_ = &store; }
    AidSettingsStore& aidSettings();

    // --- Operations -------------------------------------------------------------------

    // Reads the satellite position and the truck position from the controls, rewrites
    // the coordinate boxes in decimal degrees and writes azimuth, elevation and range
    // (antenna offsets added) into the result boxes. Invalid input or any run-time
    // failure leaves the result boxes empty; nothing is reported. Either way the view
    // then records what the window shows and tells the aid windows.
    void Calculate();

    // --- Start-up, location file and location list ------------------------------------

    // The start-up sequence: shows the window, reads the settings and the satellite
    // file, shows the default satellite, opens the location file and fills the location
    // list, shows the default location and calculates. A location file that cannot be
    // opened leaves the list empty; the user is told why, unless no file is named.
    void Form_Load();

    // Opens `FileName` as the current location file, for reading and writing, creating
    // a missing file empty (an existing one is never truncated), and counts its records
    // into LocCount. Throws FileOpenError when the file cannot be opened.
    void OpenLocationData(std::string_view FileName);

    // Fills the location list (sorted, ignoring case) and LocNames from the open file
    // and empties the coordinate boxes. With no records, does nothing at all.
    // Throws FileReadError when a record cannot be read.
    void LoadLocationCombo();

    // --- Settings file, satellite file and satellite lists ----------------------------
    // settings_file_io.cpp, satellite_file_io.cpp, satellite_lists.cpp

    // Loads Settings from tarvo.ini in the current directory. A missing or damaged file
    // sets every setting to its default and asks whether to rebuild the file; Yes writes
    // the defaults, No keeps them for this run only.
    void ReadINIFile();

    // Rewrites tarvo.ini whole from Settings. A failed write is reported in a message box
    // and leaves the old file as it was; the settings in memory go back to what it holds.
    // True when the file was written.
    bool WriteINIFile();

    // Replaces the satellite table with the records of a satellite file and rebuilds the
    // lists. An empty name does nothing. A failed read is reported; the table then holds
    // the complete records read before the failure and the lists stay as they were, and
    // while the file is there (damaged, not missing) no command rewrites it from them.
    // Either way CurSat is brought back to row 0 when its row is no longer there.
    void ReadSatFile(std::string_view FileName);

    // Rewrites a satellite file whole from the table, then rebuilds the lists unless
    // Updating is -1 (also after a failed write, which is reported; the table keeps its
    // contents). True when the file was written.
    bool WriteSatFile(std::string_view FileName);

    // The message that refuses a name already in the catalogue.
    void Duplicate();

    // Puts the catalogue rows in order of longitude and refills both satellite lists
    // (and SatOrder when the names are listed alphabetically).
    void LoadSatCombos();

    // Resolves the text of cboSatName (cboSatLong) to a catalogue row: on a match the row
    // becomes CurSat and is shown in both lists with its look-list mark; without one the
    // other list's text is emptied and CurSat stays.
    void GetSatLong();

    // Shows the row CurSat in the texts of both lists, the name trimmed.
    void DisplaySatelliteData();

    // Shows catalogue row `row` (1..SatLast) as choosing its entry in the name list does,
    // and calculates; row 0, a default satellite that no catalogue row holds, is shown
    // as the start-up shows it. Any other row does nothing.
    void ChooseSatellite(std::int16_t row);

    // Sets chkLookList from the look-list mark of CurSat, as the program's own write.
    void SetListOption();

    // The row CurSat, or nothing when the table has no such row. Every operation on the
    // current satellite goes through this: a row that is not there is never read.
    const SatelliteRecord* FnCurrentSatellite() const;

    // --- Look list (look_list_commands.cpp) --------------------------------------------

    // The look-list window while it is open, else nothing.
    frmLookList* LookListWindow() const { return lookList_.data(); }

    // The surface on which the look list is measured (for tests: a font of known widths).
    // Closes the look-list window, which measures its lines on the surface it was given.
    void SetMeasuringSurface(std::unique_ptr<TextMeasure> surface);

    // --- Handlers the tests call as the controls would ---------------------------------
    // (each is also a control's handler; the rest are private, reached by the controls)
    void txtLatitude_Change();
    void txtLongitude_Change();
    // The user chose a name in the location list (location_list.cpp): shows that record
    // and calculates, or, when no record has that name, empties the coordinate boxes and
    // the results.
    void cboLocations_Click();
    void cboSatLong_Click();  // satellite_lists.cpp

    // --- The windows it opens ---------------------------------------------------------

    // The pointing aid, the sky view (sky_view_commands.cpp) and the request of Position
    // from GPS (gps_position_commands.cpp) while each is open, else nothing.
    frmPointing* PointingWindow() const;
    frmSkyView* SkyViewWindow() const;
    frmSunOutage* SunOutageWindow() const;  // sun_outage_commands.cpp
    frmGpsPosition* GpsPositionWindow() const;
    // How long Position from GPS waits (the tests shorten it).
    void SetGpsWaits(GpsWaits waits) { gpsWaits_ = waits; }

    // The splash window that the start-up sequence closes first, if it is open.
    void setSplashWindow(QWidget* splash) { splash_ = splash; }

  protected:
    // Closing the window by its frame ends the program as Exit does.
    void closeEvent(QCloseEvent* event) override;

  private:
    // The tests' door to the state (tests/support), for what the controls cannot set.
    friend struct test::MainWindowAccess;

    PlatformServices& platform() { return platform_; }
    // The message boxes of the commands, under the program's title.
    Prompts prompts() const;

    // Closes the files the program holds open and ends the program.
    void ExitProgram();

    // Resolves the text of cboSatName to a catalogue row, as GetSatLong does for its
    // own list.
    void GetSatName();

    // --- Event handlers ---------------------------------------------------------------
    void cmdCalculate_Click();
    void cboLocations_Change();
    void cmdExit_Click();
    void mnuExit_Click();

    // The Locations menu and the "Save New Location" button (location_commands.cpp)
    void mnuAddLocation_Click();
    void cmdSaveLocation_Click();
    void mnuSaveLocation_Click();
    void mnuDeleteLocation_Click();
    void mnuLocationDefault_Click();

    // The location file commands of the File menu (location_file_commands.cpp)
    void mnuNewLocFile_Click();
    void mnuOpenLocFile_Click();
    void mnuSaveLocFileAs_Click();

    // Satellite lists and their order (satellite_lists.cpp)
    void cboSatName_Click();
    void optAlpha_Click();
    void optArc_Click();

    // Preferences, help and About (preferences_commands.cpp, help_commands.cpp)
    void mnuPreferences_Click();
    void mnuCallHelp_Click();
    void mnuAbout_Click();

    // The Pointing menu (pointing_commands.cpp, sky_view_commands.cpp,
    // gps_position_commands.cpp)
    void mnuPointingAid_Click();
    void mnuSkyView_Click();
    void mnuSunOutages_Click();  // sun_outage_commands.cpp
    void mnuGpsPosition_Click();
    // A fix's position typed into the coordinate boxes as the crew would, and calculated;
    // a 3D fix's height is kept while the boxes hold its position.
    void TypeGpsPosition(const PositionReport& fix);

    // The Satellites menu (satellite_commands.cpp)
    void mnuAddSatellite_Click();
    void mnuSaveSatellite_Click();
    void mnuDeleteSatellite_Click();
    void mnuSatelliteDefault_Click();

    // The satellite file commands of the File menu (satellite_file_commands.cpp)
    void mnuNewSatFile_Click();
    void mnuOpenSatFile_Click();
    void mnuSaveSatFileAs_Click();

    // Look list (look_list_commands.cpp)
    void chkLookList_Click();
    void cmdDisplayLookList_Click();
    void cmdPrintLookList_Click();

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

    QMenu* mnuPointing = nullptr;
    QAction* mnuPointingAid = nullptr;
    QAction* mnuSkyView = nullptr;
    QAction* mnuSunOutages = nullptr;
    QAction* mnuGpsPosition = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuCallHelp = nullptr;
    QAction* mnuAbout = nullptr;

    void BuildLayout();  // frm_satellite_layout.cpp
    void BuildSatelliteFrame(QWidget* client);
    void BuildCoordinatesFrame(QWidget* client);
    void BuildLookAngleFrame(QWidget* client);
    void BuildButtonRow(QWidget* client);
    void SetTabOrder();
    void BuildMenus();  // frm_satellite_menus.cpp
    void WireEvents();  // frm_satellite.cpp

    // Look list (look_list_commands.cpp)
    // The font setters: each sets its one property on the drawing font, then on OutDest.
    void fntName(std::string_view tName);
    void fntSize(std::int16_t tSize);
    void fntBold(bool tBold);

    // Trims Msg in place and returns the x at which it starts centred on gDest.
    float fnCenter(OutputDestination& gDest, std::string& Msg);

    // The width of the name column in the drawing font: the widest marked name plus "__".
    float fnGetNameWidth();

    // Writes one row per marked satellite into OutDest, in the order of the name list,
    // then shows the satellite shown before, found again by name, and recalculates.
    void Output();

    // Calculates row X as the main window would with the row in its satellite fields
    // (the pass keeps the writes into the fields) and writes the row.
    void Output1(const std::int16_t& X, LookListRowPass& pass);

    void WireLookList();
    float MeasureWidth(std::string_view text);
    void WriteCentred(std::string text);
    std::string PositionLine() const;
    void WriteColumnHeader(std::int16_t x0);
    void WritePrintedHeading();
    void BreakPageIfFull();
    void PrintLookList();
    RowPassStart ReadRowPassStart() const;
    void LeaveRowPass(const LookListRowPass& pass);
    std::unique_ptr<PrintJob> StartLookListJob(std::string& failed);

    // The calculation itself, into the controls (calculate.cpp).
    void CalculateIntoControls();
    // What the window shows after a calculation, handed to the view (calculate.cpp).
    void RecordShownCalculation();
    // The result boxes emptied, range first (calculate.cpp).
    void ClearResults();
    // The captions of the result boxes after a calculation that got as far as `reached`.
    void ShowResultCaptions(CalculationStage reached, bool azimuthAdjusted, bool elevationAdjusted);

    // Satellite lists and files (satellite_lists.cpp, settings_file_io.cpp)
    void SelectListOrder(std::int16_t sortAlpha);
    // `note`, when not empty, ends the message: what the failure leaves as it was.
    void ReportWriteFailure(std::string_view fileName, std::string_view reason,
                            std::string_view note = {});
    // WriteINIFile whose failure message ends with `note`.
    bool RewriteINIFile(std::string_view note);

    // The satellite file (satellite_file_io.cpp, satellite_file_commands.cpp).
    void ReportUnreadSatFile(std::string_view fileName);
    // True, after telling the user, while the table holds only part of the current file.
    bool RefuseIncompleteSatFile();
    // `path` named in tarvo.ini as the current satellite file; on a failure the old file
    // stays current and named, and the message says so.
    bool NameCurrentSatFile(const std::string& path);

    // A location file just made current, shown (location_file_commands.cpp).
    void ShowNewLocationFile();

    // Steps of the location commands (location_commands.cpp, location_file_commands.cpp).
    bool NameTooLong();
    bool NameIsDeletionMark(const std::string& name);
    bool NoLocationFile();
    std::optional<std::pair<double, double>> ReadCoordinates();
    bool ReadCurrentRecord(const char* action);
    bool WriteRecord(int n);
    std::optional<int> RecordForNewLocation(const std::string& name);
    void ShowLocation(const std::string& name);
    bool MakeCurrent(const std::string& path);

    // Steps of the satellite commands (satellite_commands.cpp, satellite_file_commands.cpp).
    bool FnNameAccepted(const std::string& typed, bool checkLength);
    std::optional<double> FnSatLongValue();
    std::int16_t LookMark() const;
    bool FnHasCurrentRow();
    void RewriteAndRelist();
    void ShowByName(const std::string& name);
    void ShowDefaultAsCurrent();

    // Steps of the start-up sequence (startup.cpp).
    void ReportUnusableStartDir();
    void ShowDefaultSatellite();
    void OpenStartupLocationFile();
    void ShowDefaultLocation();

    MainWindowState state_;
    PlatformServices& platform_;

    // The secondary windows while they are open (one of each at a time).
    QPointer<QWidget> splash_;
    QPointer<frmPref> pref_;
    QPointer<frmAbout> about_;
    QPointer<frmPointing> pointing_;
    AidSettingsStore* aidSettings_ = nullptr;
    std::unique_ptr<AidSettingsStore> ownAidSettings_;  // only when none was given
    SatelliteWindowView* view_ = nullptr;               // a child of this window
    QPointer<frmSkyView> skyView_;
    QPointer<frmSunOutage> sunOutage_;
    QPointer<frmGpsPosition> gpsPosition_;
    GpsWaits gpsWaits_;
    // The height of the last GPS fix and the coordinate texts it was typed as; any other
    // change of the boxes forgets it.
    std::optional<double> gpsHeight_;
    std::string gpsLongitude_;
    std::string gpsLatitude_;

    std::unique_ptr<TextMeasure> measure_;  // the drawing font's measuring surface
    QPointer<frmLookList> lookList_;
};

}  // namespace tarvo
