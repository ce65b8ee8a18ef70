#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "aidwindows/sky_scene.h"
#include "pointing/calendar_date.h"

class QKeyEvent;
class QLabel;
class QListView;
class QPushButton;

namespace tarvo {

class AidSettingsStore;
class frmHorizon;
class MainWindowView;
class PlatformServices;
class SkyListModel;
class SkyPanorama;

// The sky view, "SNG Tarvo - Sky View": the panorama of the catalogue from the place of
// the main window's last calculation, in true directions, over the horizon mask of the
// location shown, and the same satellites as a list of lines a screen reader reads.
// It follows every calculation of the main window. Today's path of the sun is drawn
// over it, and on a day of a sun outage the point where it passes behind the main
// window's satellite (for the dish of the sun outage window); a line under the
// panorama says the same in words.
//
// A satellite clicked in the panorama, or chosen with Enter (in the panorama after Left
// and Right, in the list after the arrow keys), is shown in the main window as choosing
// it in the satellite list does. "Edit Horizon…" opens the horizon mask of the location
// shown; the view takes a saved mask at once.
class frmSkyView : public QWidget {
    Q_OBJECT
  public:
    using Clock = std::function<CalendarDate()>;

    // `today` gives the day of the sun's path (the computer's clock, UTC).
    frmSkyView(MainWindowView& view, AidSettingsStore& settings, PlatformServices& platform,
               QWidget* parent = nullptr, Clock today = TodayUtc);
    ~frmSkyView() override;

    // What the view shows now.
    const SkyScene& Scene() const { return scene_; }

    // The whole view as text, a line each for the place and each satellite: the
    // panorama's accessible description.
    std::string SceneText() const;

    // The main window shows the satellite `index` of the scene.
    void ChooseSatellite(int index);

    // "Edit Horizon…".
    void cmdEditHorizon_Click();

    // The horizon window while it is open, else nothing.
    frmHorizon* HorizonWindow() const;

    QLabel* lblPlace = nullptr;  // the first line of SceneText()
    SkyPanorama* picSky = nullptr;
    QLabel* lblSun = nullptr;     // the sun's line of SceneText()
    QLabel* lblPicked = nullptr;  // the satellite picked in the panorama
    QLabel* lblSatellites = nullptr;
    QListView* lstSatellites = nullptr;
    QPushButton* cmdEditHorizon = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildLayout();
    // The scene for the main window's last calculation and the mask now in use.
    void ShowCalculation();
    // Today's sun for the scene's place, and its crossing of the main window's satellite.
    void AddSun();
    // Follows a pick in the panorama or the list in the other and in lblPicked.
    void ShowPicked(int index);

    MainWindowView& view_;
    AidSettingsStore& settings_;
    PlatformServices& platform_;
    Clock today_;
    SkyScene scene_;
    std::string placeName_;  // the location list's text when the scene was made
    SkyListModel* model_ = nullptr;
    std::int16_t pickedRow_ = -1;  // the table row of the satellite picked, kept over scenes
    QPointer<frmHorizon> horizon_;
};

}  // namespace tarvo
