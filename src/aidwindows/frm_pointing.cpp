#include "aidwindows/frm_pointing.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/button_row.h"
#include "aidwindows/height_text.h"
#include "aidwindows/main_window_view.h"
#include "aidwindows/sheet_print_job.h"
#include "aidwindows/value_box.h"
#include "common/codepage.h"
#include "common/failure.h"
#include "common/numeric_value.h"
#include "looklist/cached_text_measure.h"
#include "looklist/look_list_layout.h"
#include "looklist/print_start.h"
#include "looklist/qt_text_measure.h"
#include "platform/control_font.h"
#include "platform/handler.h"
#include "platform/label.h"
#include "platform/qt_text.h"
#include "pointing/magnetic_declination.h"
#include "pointing/pointing_texts.h"

namespace tarvo {
namespace {

// The widest figure, "SES-11/EchoStar 105 (105W)" or "17.9 counter-clockwise", fits.
constexpr int kValueWidth = 250;  // pixels

// "Galaxy 19 (97W)"; the slot alone for a position typed without a name.
std::string SatelliteText(const ShownCalculation& shown) {
    const std::string slot = shown.satelliteLongitude + "W";
    return shown.satelliteName.empty() ? slot : shown.satelliteName + " (" + slot + ")";
}

}  // namespace

frmPointing::frmPointing(MainWindowView& view, const AidSettingsStore& settings,
                         PlatformServices& platform, const MagneticModelFiles& model,
                         QWidget* parent, Clock today)
    : QWidget(parent, Qt::Window),
      view_(view),
      settings_(settings),
      platform_(platform),
      today_(std::move(today)),
      measure_(std::make_unique<CachedTextMeasure>(std::make_unique<QtTextMeasure>())) {
    setObjectName(QStringLiteral("frmPointing"));
    setWindowTitle(QStringLiteral("SNG Tarvo - Pointing Aid"));
    setAttribute(Qt::WA_DeleteOnClose);
    try {
        model_ = std::make_unique<MagneticDeclination>(model.folder, model.name);
    } catch (const MagneticModelError& failure) {
        modelError_ = failure.what();  // told in place of the declination
    }
    BuildLayout();
    connect(&view_, &MainWindowView::Calculated, this, [this] { ShowCalculation(); });
    // A mask saved in the horizon mask window shows at once, without a calculation.
    connect(&settings_, &AidSettingsStore::Changed, this, [this] { ShowCalculation(); });
    connect(cmdPrintSheet, &QPushButton::clicked, this,
            [this] { EventBoundary::Run([this] { cmdPrintSheet_Click(); }); });
    ShowCalculation();
}

frmPointing::~frmPointing() = default;

void frmPointing::BuildLayout() {
    auto* grid = new QGridLayout;
    int row = 0;
    // A figure under its label: the label is the box's buddy, so a screen reader says
    // the label's words with the figure, and follows the caption when it changes.
    const auto figure = [this, grid, &row](Label*& label, ValueBox*& box, const char* name,
                                           const char* caption) {
        label = new Label(caption, this);
        label->setObjectName(QStringLiteral("lbl") + QLatin1String(name));
        box = new ValueBox(this);
        box->setObjectName(QStringLiteral("txt") + QLatin1String(name));
        box->setFont(ControlFont(10, true));
        box->setFixedWidth(kValueWidth);  // a new figure never lays the window out again
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    };
    // A line of explanation under a figure; a screen reader also hears it with the
    // figure, as the figure's description.
    const auto note = [this, grid, &row](const char* name, const char* text) {
        auto* line = new QLabel(QString::fromLatin1(text), this);
        line->setObjectName(QLatin1String(name));
        grid->addWidget(line, row, 1);
        ++row;
        return line;
    };
    figure(lblSatellite, txtSatellite, "Satellite", "Satellite:");
    figure(lblPosition, txtPosition, "Position", "Truck Position:");
    figure(lblHeight, txtHeight, "Height", "Height:");
    figure(lblAzimuth, txtAzimuth, "Azimuth", "Azimuth:");
    figure(lblElevation, txtElevation, "Elevation", "Elevation:");
    figure(lblHorizon, txtHorizon, "Horizon", "Horizon:");
    figure(lblMagneticAzimuth, txtMagneticAzimuth, "MagneticAzimuth", "Magnetic Azimuth:");
    figure(lblDeclination, txtDeclination, "Declination", "Declination:");
    lblDeclinationSource = note("lblDeclinationSource", "");
    lblDeclinationSource->setWordWrap(true);
    figure(lblFeedSkew, txtFeedSkew, "FeedSkew", "Feed Skew:");
    lblSkewSense = note("lblSkewSense", "seen from behind the dish");
    txtFeedSkew->setAccessibleDescription(lblSkewSense->text());
    figure(lblRange, txtRange, "Range", "Range:");
    figure(lblRangeKm, txtRangeKm, "RangeKm", "Range (km):");

    cmdPrintSheet = new QPushButton(QStringLiteral("Print Pointing Sheet"), this);
    cmdPrintSheet->setObjectName(QStringLiteral("cmdPrintSheet"));
    cmdPrintSheet->setAutoDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(ButtonRow({cmdPrintSheet}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes down the figures in the order they stand, then to the button.
    QWidget* order[] = {txtSatellite, txtPosition, txtHeight,          txtAzimuth,
                        txtElevation, txtHorizon,  txtMagneticAzimuth, txtDeclination,
                        txtFeedSkew,  txtRange,    txtRangeKm,         cmdPrintSheet};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void frmPointing::ShowEmpty() {
    ShowHeight(std::nullopt);
    for (ValueBox* box : {txtSatellite, txtPosition, txtAzimuth, txtElevation, txtHorizon,
                          txtMagneticAzimuth, txtDeclination, txtFeedSkew, txtRange, txtRangeKm}) {
        box->Show("");
    }
    ShowNote("");
}

// The row is there only with a height: a typed position has none, and an empty row
// would read as a height missing.
void frmPointing::ShowHeight(std::optional<double> metres) {
    txtHeight->Show(metres ? HeightText(*metres) : std::string());
    lblHeight->setVisible(metres.has_value());
    txtHeight->setVisible(metres.has_value());
}

void frmPointing::ShowNote(const std::string& note) {
    const QString text = ToQString(note);
    if (lblDeclinationSource->text() != text) {
        lblDeclinationSource->setText(text);
        txtDeclination->setAccessibleDescription(text);
    }
}

// Called inside every calculation of the main window: it never throws.
void frmPointing::ShowCalculation() {
    const ShownCalculation& shown = view_.Shown();
    lblAzimuth->setCaption(shown.azimuthCaption);
    lblElevation->setCaption(shown.elevationCaption);
    if (!shown.HasResults()) {
        ShowEmpty();
        return;
    }
    txtSatellite->Show(SatelliteText(shown));
    txtPosition->Show(PositionLine(shown.longitude, shown.latitude));
    ShowHeight(shown.gpsHeight);
    txtAzimuth->Show(shown.azimuth);
    txtElevation->Show(shown.elevation);
    txtRange->Show(shown.range);

    SatellitePointing pointing;
    std::string rangeKm;
    std::string horizon;
    try {
        const double satellite = NumericValue(shown.satelliteLongitude);
        const double longitude = NumericValue(shown.longitude);
        const double latitude = NumericValue(shown.latitude);
        const DeclinationReading& declination = DeclinationAt(latitude, longitude);
        txtDeclination->Show(declination.text);
        ShowNote(declination.note);
        rangeKm = RangeKmText(shown.range);
        pointing = PointingTexts(satellite, longitude, latitude, declination.degreesEast);
        horizon = HorizonText(SatelliteClearance(satellite, longitude, latitude, ShownMask()));
    } catch (const RunTimeFailure&) {
        // The main window's figures stand; the aid's own stay empty.
    }
    txtHorizon->Show(horizon);
    txtMagneticAzimuth->Show(pointing.magneticAzimuth);
    txtFeedSkew->Show(pointing.feedSkew);
    txtRangeKm->Show(rangeKm);
}

const HorizonMask& frmPointing::ShownMask() const {
    // The masks are keyed in UTF-8; the location list holds program text.
    return settings_.Settings().Horizon.MaskFor(Cp1252ToUtf8(view_.Shown().locationName));
}

const DeclinationReading& frmPointing::DeclinationAt(double latNorth, double lonWest) const {
    const DeclinationKey key{latNorth, lonWest, today_()};
    if (declinationKey_ != key) {
        declination_ = ReadDeclination(model_.get(), modelError_, latNorth, lonWest, key.date);
        declinationKey_ = key;
    }
    return declination_;
}

PointingSheet frmPointing::Sheet() const {
    const ShownCalculation& shown = view_.Shown();
    DeclinationReading declination;
    try {
        declination = DeclinationAt(NumericValue(shown.latitude), NumericValue(shown.longitude));
    } catch (const RunTimeFailure&) {
        declination.note = "No declination for this position.";
    }
    return MakePointingSheet(shown, view_.Catalogue(), view_.LookListRows(),
                             view_.CurrentSettings(), ShownMask(), declination, today_());
}

void frmPointing::CopySheet() const {
    QGuiApplication::clipboard()->setText(ToQString(Sheet().PlainText()));
}

void frmPointing::cmdPrintSheet_Click() {
    const PrintMessages messages{"The pointing sheet could not be printed.",
                                 "The pointing sheet could not be saved.", view_.LineBreak(),
                                 view_.MsgTitle()};
    PrintSheetOrPdf(
        Sheet(), platform_, messages,
        [this] { return view_.ChoosePdfFile("Pointing sheet.pdf", "The pointing sheet"); },
        *measure_, view_.CurrentSettings());
}

void frmPointing::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        EventBoundary::Run([this] { CopySheet(); });
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarvo
