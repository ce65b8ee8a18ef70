// The main window: construction and the wiring of controls and menus to handlers.

#include "mainwindow/frm_satellite.h"

#include <QAction>
#include <QPushButton>

#include "aidsettings/aid_settings_store.h"

#include "looklist/cached_text_measure.h"
#include "looklist/frm_look_list.h"
#include "looklist/qt_text_measure.h"
#include "mainwindow/satellite_window_view.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/handler.h"
#include "platform/label.h"
#include "platform/option_button.h"
#include "platform/text_box.h"

namespace tarvo {

frmSatellite::frmSatellite(PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      measure_(std::make_unique<CachedTextMeasure>(std::make_unique<QtTextMeasure>())) {
    setObjectName(QStringLiteral("frmSatellite"));
    view_ = new SatelliteWindowView(*this, platform_);
    BuildLayout();
    BuildMenus();
    WireEvents();
}

MainWindowView& frmSatellite::view() {
    return *view_;
}

frmSatellite::~frmSatellite() {
    delete lookList_.data();  // a window of its own, measured on this window's surface
}

Prompts frmSatellite::prompts() const {
    return Prompts(platform_, state_.MsgTitle);
}

namespace {

// A button or menu command is a user event: its handler runs inside the boundary, so
// that no failure escapes into Qt's event loop.
void OnTriggered(QAction* item, QObject* context, Handler handler) {
    QObject::connect(item, &QAction::triggered, context,
                     [handler = std::move(handler)] { EventBoundary::Run(handler); });
}

void OnClicked(QPushButton* button, QObject* context, Handler handler) {
    QObject::connect(button, &QPushButton::clicked, context,
                     [handler = std::move(handler)] { EventBoundary::Run(handler); });
}

}  // namespace

void frmSatellite::WireEvents() {
    // The controls call their handlers themselves, user events through the boundary.
    txtLatitude->onChange([this] { txtLatitude_Change(); });
    txtLongitude->onChange([this] { txtLongitude_Change(); });
    cboLocations->onChange([this] { cboLocations_Change(); });
    cboLocations->onClick([this] { cboLocations_Click(); });

    // The satellite lists and their order. chkLookList is wired with the look list.
    cboSatName->onClick([this] { cboSatName_Click(); });
    cboSatLong->onClick([this] { cboSatLong_Click(); });
    optAlpha->onClick([this] { optAlpha_Click(); });
    optArc->onClick([this] { optArc_Click(); });

    OnClicked(cmdCalculate, this, [this] { cmdCalculate_Click(); });
    OnClicked(cmdExit, this, [this] { cmdExit_Click(); });

    OnTriggered(mnuExit, this, [this] { mnuExit_Click(); });
    OnTriggered(mnuPreferences, this, [this] { mnuPreferences_Click(); });
    OnTriggered(mnuCallHelp, this, [this] { mnuCallHelp_Click(); });
    OnTriggered(mnuAbout, this, [this] { mnuAbout_Click(); });
    OnTriggered(mnuPointingAid, this, [this] { mnuPointingAid_Click(); });
    OnTriggered(mnuSkyView, this, [this] { mnuSkyView_Click(); });
    OnTriggered(mnuSunOutages, this, [this] { mnuSunOutages_Click(); });
    OnTriggered(mnuGpsPosition, this, [this] { mnuGpsPosition_Click(); });

    OnTriggered(mnuAddSatellite, this, [this] { mnuAddSatellite_Click(); });
    OnTriggered(mnuSaveSatellite, this, [this] { mnuSaveSatellite_Click(); });
    OnTriggered(mnuDeleteSatellite, this, [this] { mnuDeleteSatellite_Click(); });
    OnTriggered(mnuSatelliteDefault, this, [this] { mnuSatelliteDefault_Click(); });

    OnTriggered(mnuNewSatFile, this, [this] { mnuNewSatFile_Click(); });
    OnTriggered(mnuOpenSatFile, this, [this] { mnuOpenSatFile_Click(); });
    OnTriggered(mnuSaveSatFileAs, this, [this] { mnuSaveSatFileAs_Click(); });

    WireLookList();

    // Locations and location files.
    OnClicked(cmdSaveLocation, this, [this] { cmdSaveLocation_Click(); });
    OnTriggered(mnuAddLocation, this, [this] { mnuAddLocation_Click(); });
    OnTriggered(mnuSaveLocation, this, [this] { mnuSaveLocation_Click(); });
    OnTriggered(mnuDeleteLocation, this, [this] { mnuDeleteLocation_Click(); });
    OnTriggered(mnuLocationDefault, this, [this] { mnuLocationDefault_Click(); });
    OnTriggered(mnuNewLocFile, this, [this] { mnuNewLocFile_Click(); });
    OnTriggered(mnuOpenLocFile, this, [this] { mnuOpenLocFile_Click(); });
    OnTriggered(mnuSaveLocFileAs, this, [this] { mnuSaveLocFileAs_Click(); });
}

void frmSatellite::cmdCalculate_Click() {
    Calculate();
}

// A typed change of the truck position no longer belongs to the location shown in the
// list: the list's text is emptied and the position may be saved as a new location.
// The program's own writes (Updating at -1) leave both alone. Any change, typed or
// written, forgets the height of a GPS fix: the boxes no longer hold its position.
void frmSatellite::txtLatitude_Change() {
    gpsHeight_.reset();
    if (state_.Updating == -1) {
        return;
    }
    cboLocations->setText("");
    cmdSaveLocation->setEnabled(true);
}

void frmSatellite::txtLongitude_Change() {
    gpsHeight_.reset();
    if (state_.Updating == -1) {
        return;
    }
    cboLocations->setText("");
    cmdSaveLocation->setEnabled(true);
}

}  // namespace tarvo
