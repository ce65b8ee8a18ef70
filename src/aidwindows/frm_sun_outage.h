#pragma once

#include <QTimeZone>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aidwindows/pointing_sheet.h"
#include "pointing/calendar_date.h"
#include "pointing/sun_outage.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace tarvo {

class AidSettingsStore;
class Label;
class MainWindowView;
class PlatformServices;
class TextMeasure;
class TextTableModel;
class ValueBox;

// The sun outages, "SNG Tarvo - Sun Outages": the days of the next 365 from today (UTC)
// when the sun passes behind the main window's satellite as the truck sees it from the
// main window's place, each with its start and end in UTC and in the computer's time
// zone, its minutes and the closest the sun comes. The dish's diameter and the downlink
// frequency give the outage angle; both are kept in pointing.ini.
//
// "All Look List Satellites" fills the table for every look-list satellite, one
// satellite at a time from the event loop, with a progress bar and Cancel. The next
// calculation of the main window brings the table back to its satellite alone: the
// window always follows the main window, and a list made for another place would mislead.
//
// Ctrl+C copies the table as tab-separated text; "Print" prints it through the look
// list's printer (or the PDF offered when no printer is set up).
class frmSunOutage : public QWidget {
    Q_OBJECT
  public:
    using Clock = std::function<CalendarDate()>;

    // `today` gives the first day of the table (the computer's clock, UTC); `zone` is the
    // time zone of the local columns.
    frmSunOutage(MainWindowView& view, AidSettingsStore& settings, PlatformServices& platform,
                 QWidget* parent = nullptr, Clock today = TodayUtc,
                 QTimeZone zone = QTimeZone::systemTimeZone());
    ~frmSunOutage() override;

    // The table shown.
    const TextTableModel& Table() const { return *table_; }

    // True while "All Look List Satellites" is at work.
    bool Filling() const { return fill_.has_value(); }

    // Takes the dish diameter and the frequency from their boxes: a value that is no
    // positive number is told and refused (the table then stays as it was); accepted ones
    // are kept in pointing.ini and the table made again. False when refused.
    bool ApplyDish();

    void cmdAllSatellites_Click();
    void cmdCancel_Click();
    void cmdPrint_Click();

    // The table on paper: its heading, the table, and a footnote.
    PointingSheet Sheet() const;
    // Puts the captions and rows on the clipboard as tab-separated text.
    void CopyTable() const;

    Label* lblDiameter = nullptr;
    QLineEdit* txtDiameter = nullptr;
    Label* lblFrequency = nullptr;
    QLineEdit* txtFrequency = nullptr;
    Label* lblOutageAngle = nullptr;
    ValueBox* txtOutageAngle = nullptr;
    QLabel* lblStatus = nullptr;  // what the table holds, or why it is empty
    QTableView* grdOutages = nullptr;
    QProgressBar* prgFill = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdAllSatellites = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    // The table of the main window's satellite, for its place now.
    void ShowCalculation();
    void ShowStatus(const std::string& status);
    // The seasons of the 365 days from today, made once per day.
    const SunSeasons& Seasons();
    void FillNext();
    void EndFill(bool cancelled);
    void ShowFilling(bool filling);

    MainWindowView& view_;
    AidSettingsStore& settings_;
    PlatformServices& platform_;
    Clock today_;
    QTimeZone zone_;
    TextTableModel* table_ = nullptr;
    std::unique_ptr<TextMeasure> measure_;  // for the printed table
    double outageAngle_ = 0;                // degrees, for the dish in use
    CalendarDate firstDay_;                 // of the table shown
    std::string subject_;  // the satellite and place of the table, for the printed heading
    std::optional<SunSeasons> seasons_;

    // "All Look List Satellites" while it works.
    struct Fill {
        std::vector<std::int16_t> rows;  // catalogue rows, in the look list's order
        std::size_t next = 0;
        double truckLongWest = 0, truckLatNorth = 0;
        std::string placeName;
        int outages = 0;
        std::vector<std::string> belowHorizon;
    };
    std::optional<Fill> fill_;
    QTimer* fillTimer_ = nullptr;
};

}  // namespace tarvo
