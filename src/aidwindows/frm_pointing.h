#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "aidwindows/magnetic_model_folder.h"
#include "aidwindows/pointing_sheet.h"
#include "pointing/calendar_date.h"
#include "pointing/declination_reading.h"
#include "pointing/horizon_mask.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace tarvo {

class AidSettingsStore;
class Label;
class MagneticDeclination;
class MainWindowView;
class PlatformServices;
class TextMeasure;
class ValueBox;

// The pointing aid, "SNG Tarvo - Pointing Aid": for the satellite and place of the main
// window's last calculation, the main window's azimuth, elevation and range, and beside
// them the compass bearing of the satellite (the magnetic azimuth, from the declination
// of the world magnetic model on today's date), the feed skew and the range in
// kilometres, and how the satellite stands against the horizon mask of the location
// shown ("clear by 12.3", "blocked by 4.1", from the true directions). It follows every
// calculation of the main window and every change of the masks in the settings, and is
// empty while the main window's results are.
//
// "Print Pointing Sheet" prints the crew sheet of all look-list satellites through the
// look list's printer (or the PDF offered when no printer is set up); Ctrl+C copies it
// as tab-separated text.
class frmPointing : public QWidget {
    Q_OBJECT
  public:
    using Clock = std::function<CalendarDate()>;

    // `settings` holds the horizon masks; `today` gives the date the declination is taken
    // on (the computer's clock in UTC).
    frmPointing(MainWindowView& view, const AidSettingsStore& settings, PlatformServices& platform,
                const MagneticModelFiles& model, QWidget* parent = nullptr, Clock today = TodayUtc);
    ~frmPointing() override;

    // The sheet for the main window as it stands now.
    PointingSheet Sheet() const;

    // Puts Sheet() on the clipboard as text.
    void CopySheet() const;

    // "Print Pointing Sheet".
    void cmdPrintSheet_Click();

    // The figures, each under its label (objectName lbl... / txt...).
    Label* lblSatellite = nullptr;
    ValueBox* txtSatellite = nullptr;
    Label* lblPosition = nullptr;
    ValueBox* txtPosition = nullptr;
    // The height above sea level, shown only while the position is a 3D GPS fix's.
    Label* lblHeight = nullptr;
    ValueBox* txtHeight = nullptr;
    Label* lblAzimuth = nullptr;
    ValueBox* txtAzimuth = nullptr;
    Label* lblElevation = nullptr;
    ValueBox* txtElevation = nullptr;
    Label* lblHorizon = nullptr;
    ValueBox* txtHorizon = nullptr;
    Label* lblMagneticAzimuth = nullptr;
    ValueBox* txtMagneticAzimuth = nullptr;
    Label* lblDeclination = nullptr;
    ValueBox* txtDeclination = nullptr;
    QLabel* lblDeclinationSource = nullptr;  // "WMM2025, 2026-12-07", or why none
    Label* lblFeedSkew = nullptr;
    ValueBox* txtFeedSkew = nullptr;
    QLabel* lblSkewSense = nullptr;  // "seen from behind the dish"
    Label* lblRange = nullptr;
    ValueBox* txtRange = nullptr;
    Label* lblRangeKm = nullptr;
    ValueBox* txtRangeKm = nullptr;
    QPushButton* cmdPrintSheet = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildLayout();
    // Shows the main window's last calculation.
    void ShowCalculation();
    void ShowEmpty();
    void ShowNote(const std::string& note);
    void ShowHeight(std::optional<double> metres);
    // The horizon mask of the location the main window shows.
    const HorizonMask& ShownMask() const;
    // The declination at the shown place today, worked out once per place and day.
    const DeclinationReading& DeclinationAt(double latNorth, double lonWest) const;

    MainWindowView& view_;
    const AidSettingsStore& settings_;
    PlatformServices& platform_;
    Clock today_;
    std::unique_ptr<MagneticDeclination> model_;
    std::string modelError_;
    std::unique_ptr<TextMeasure> measure_;  // for the printed sheet

    struct DeclinationKey {
        double latNorth, lonWest;
        CalendarDate date;
        bool operator==(const DeclinationKey&) const = default;
    };
    mutable std::optional<DeclinationKey> declinationKey_;
    mutable DeclinationReading declination_;
};

}  // namespace tarvo
