#include "aidwindows/frm_sky_view.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>
#include <stdexcept>

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/button_row.h"
#include "aidwindows/frm_horizon.h"
#include "aidwindows/main_window_view.h"
#include "aidwindows/sky_list_model.h"
#include "aidwindows/sky_panorama.h"
#include "common/codepage.h"
#include "common/numeric_value.h"
#include "platform/bring_up.h"
#include "platform/handler.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"

namespace tarvo {

namespace {

constexpr const char* kNoneChosen =
    "Click a satellite, or pick one with Left and Right and press Enter, to show it in the "
    "main window.";

}  // namespace

frmSkyView::frmSkyView(MainWindowView& view, AidSettingsStore& settings, PlatformServices& platform,
                       QWidget* parent, Clock today)
    : QWidget(parent, Qt::Window),
      view_(view),
      settings_(settings),
      platform_(platform),
      today_(std::move(today)) {
    setObjectName(QStringLiteral("frmSkyView"));
    setWindowTitle(QStringLiteral("SNG Tarvo - Sky View"));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildLayout();
    connect(&view_, &MainWindowView::Calculated, this, [this] { ShowCalculation(); });
    // A dish changed in the sun outage window changes the sun's crossing.
    connect(&settings_, &AidSettingsStore::Changed, this, [this] { ShowCalculation(); });
    ShowCalculation();
}

frmSkyView::~frmSkyView() {
    // The panorama and the list read the scene until they go.
    picSky->SetScene(nullptr);
    model_->SetScene(nullptr);
}

void frmSkyView::BuildLayout() {
    lblPlace = new QLabel(this);
    lblPlace->setObjectName(QStringLiteral("lblPlace"));
    lblPlace->setWordWrap(true);

    picSky = new SkyPanorama(this);

    lblSun = new QLabel(this);
    lblSun->setObjectName(QStringLiteral("lblSun"));
    lblSun->setWordWrap(true);

    lblPicked = new QLabel(this);
    lblPicked->setObjectName(QStringLiteral("lblPicked"));
    lblPicked->setWordWrap(true);

    lstSatellites = new QListView(this);
    lstSatellites->setObjectName(QStringLiteral("lstSatellites"));
    lstSatellites->setUniformItemSizes(true);
    lstSatellites->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSatellites->setEditTriggers(QAbstractItemView::NoEditTriggers);
    model_ = new SkyListModel(this);
    lstSatellites->setModel(model_);
    lblSatellites = new QLabel(tr("&Satellites, east to west:"), this);
    lblSatellites->setObjectName(QStringLiteral("lblSatellites"));
    lblSatellites->setBuddy(lstSatellites);
    // A list is not named by its buddy label for a screen reader: it gets the words.
    lstSatellites->setAccessibleName(tr("Satellites, east to west"));

    cmdEditHorizon = new QPushButton(QStringLiteral("Edit Horizon\u2026"), this);
    cmdEditHorizon->setObjectName(QStringLiteral("cmdEditHorizon"));
    cmdEditHorizon->setAutoDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPlace);
    layout->addWidget(picSky, 3);
    layout->addWidget(lblSun);
    layout->addWidget(lblPicked);
    layout->addWidget(lblSatellites);
    layout->addWidget(lstSatellites, 1);
    layout->addLayout(ButtonRow({cmdEditHorizon}));

    setTabOrder(picSky, lstSatellites);
    setTabOrder(lstSatellites, cmdEditHorizon);

    // A pick in either is the pick in both; a click or Enter chooses.
    connect(picSky, &SkyPanorama::PickChanged, this, [this](int index) { ShowPicked(index); });
    connect(picSky, &SkyPanorama::Chosen, this, [this](int index) { ChooseSatellite(index); });
    connect(lstSatellites->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { ShowPicked(current.row()); });
    connect(lstSatellites, &QListView::activated, this,
            [this](const QModelIndex& index) { ChooseSatellite(index.row()); });
    connect(cmdEditHorizon, &QPushButton::clicked, this,
            [this] { EventBoundary::Run([this] { cmdEditHorizon_Click(); }); });
    resize(820, 640);
}

// Called inside every calculation of the main window: it never throws.
void frmSkyView::ShowCalculation() {
    const std::int16_t pickedRow = pickedRow_;  // the list forgets its line on a reset
    const ShownCalculation& shown = view_.Shown();
    placeName_ = shown.locationName;
    const HorizonMask& mask =
        settings_.Settings().Horizon.MaskFor(Cp1252ToUtf8(shown.locationName));
    // The panorama and the list let go of the old scene before it is replaced.
    picSky->SetScene(nullptr);
    model_->SetScene(nullptr);
    scene_ = BuildSkyScene(view_.Catalogue(), ReadSkyPlace(shown.longitude, shown.latitude), mask,
                           shown.satelliteName, shown.satelliteLongitude);
    AddSun();
    model_->SetScene(&scene_);
    picSky->SetScene(&scene_);

    const std::string text = SceneText();
    lblPlace->setText(ToQString(text.substr(0, text.find('\n'))));
    lblSun->setText(ToQString(SunPathText(scene_.sun)));
    lblSun->setVisible(scene_.sun.valid);
    picSky->setAccessibleDescription(ToQString(text));

    // The satellite picked stays picked; otherwise the one the main window shows.
    int picked = -1;
    for (std::size_t i = 0; i < scene_.satellites.size(); ++i) {
        const SkySatellite& satellite = scene_.satellites[i];
        if (satellite.row == pickedRow || (picked < 0 && satellite.shown)) {
            picked = static_cast<int>(i);
            if (satellite.row == pickedRow) {
                break;
            }
        }
    }
    picSky->Pick(picked);
    ShowPicked(picked);
}

void frmSkyView::AddSun() {
    if (!scene_.hasPlace) {
        return;
    }
    scene_.sun = BuildSunPath(today_(), scene_.truckLongWest, scene_.truckLatNorth);
    const ShownCalculation& shown = view_.Shown();
    const std::optional<double> slot = StrictNumericValue(shown.satelliteLongitude);
    const SunOutageSettings& dish = settings_.Settings().SunOutages;
    if (!slot) {
        return;
    }
    try {
        const double angle = OutageAngleDeg(dish.DishDiameter, dish.Frequency);
        if (angle <= kWidestOutageAngle) {
            const std::string name =
                shown.satelliteName.empty() ? shown.satelliteLongitude + "W" : shown.satelliteName;
            AddSunCrossing(scene_.sun, name, *slot, scene_.truckLongWest, scene_.truckLatNorth,
                           angle);
        }
    } catch (const std::invalid_argument&) {
        // pointing.ini holds positive values only: no crossing without a dish
    }
}

std::string frmSkyView::SceneText() const {
    return SkySceneText(scene_, placeName_, "\n");
}

void frmSkyView::ShowPicked(int index) {
    const int count = static_cast<int>(scene_.satellites.size());
    if (index < 0 || index >= count) {
        pickedRow_ = -1;
        lblPicked->setText(QString::fromLatin1(kNoneChosen));
        return;
    }
    const SkySatellite& satellite = scene_.satellites[static_cast<std::size_t>(index)];
    pickedRow_ = satellite.row;
    lblPicked->setText(ToQString(SkySatelliteText(satellite)));
    picSky->Pick(index);
    const QModelIndex item = model_->index(index);
    if (lstSatellites->currentIndex() != item) {
        lstSatellites->setCurrentIndex(item);
    }
}

void frmSkyView::ChooseSatellite(int index) {
    if (index < 0 || index >= static_cast<int>(scene_.satellites.size())) {
        return;
    }
    // The calculation this starts makes a new scene: the row is taken first.
    const std::int16_t row = scene_.satellites[static_cast<std::size_t>(index)].row;
    EventBoundary::Run([this, row] { view_.ChooseSatellite(row); });
}

frmHorizon* frmSkyView::HorizonWindow() const {
    return horizon_.data();
}

void frmSkyView::cmdEditHorizon_Click() {
    const std::string& location = view_.Shown().locationName;
    if (location.empty()) {
        platform_.messageBox(
            "A horizon mask belongs to a location of the location list: choose one in the "
            "main window first.",
            MsgButtons::Ok, MsgIcon::Exclamation, view_.MsgTitle());
        return;
    }
    if (horizon_.isNull()) {
        horizon_ = new frmHorizon(settings_, platform_, view_.MsgTitle(), view_.LineBreak(), this);
        connect(horizon_, &frmHorizon::Saved, this, [this] { ShowCalculation(); });
    }
    // An open horizon window keeps the location it shows, with any changes not saved.
    if (!horizon_->isVisible()) {
        horizon_->Edit(location);
    }
    BringUp(*horizon_);
}

void frmSkyView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarvo
