#include "aidwindows/frm_sun_outage.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/button_row.h"
#include "aidwindows/main_window_view.h"
#include "aidwindows/sheet_print_job.h"
#include "aidwindows/sky_scene.h"
#include "aidwindows/sun_outage_rows.h"
#include "aidwindows/text_table_model.h"
#include "aidwindows/value_box.h"
#include "catalogue/file_error.h"
#include "common/fixed_text.h"
#include "common/number_text.h"
#include "common/numeric_value.h"
#include "looklist/cached_text_measure.h"
#include "looklist/look_list_layout.h"
#include "looklist/print_start.h"
#include "looklist/qt_text_measure.h"
#include "platform/handler.h"
#include "platform/label.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"
#include "pointing/look_sphere.h"
#include "pointing/sun_outage_texts.h"

namespace tarvo {
namespace {

constexpr int kDays = 365;

QString Figure(double value) {
    return QLocale::c().toString(value, 'g', 10);
}

// "Galaxy 19 (97W)"; the slot alone for a position typed without a name.
std::string SatelliteText(const std::string& name, const std::string& slot) {
    return name.empty() ? slot + "W" : name + " (" + slot + "W)";
}

// The satellite's elevation from the truck, on the sphere of the look angles.
double ElevationFromTruck(double satLongWest, double truckLongWest, double truckLatNorth) {
    const Vector3 towards =
        SatellitePosition(satLongWest) - TruckPosition(truckLongWest, truckLatNorth);
    return DirectionFromTruck(towards, AxesAt(truckLongWest, truckLatNorth)).elevation;
}

// The outages of one satellite as rows, with its name first when `name` is given.
std::vector<std::vector<std::string>> OutageRows(const std::vector<SunOutage>& outages,
                                                 const QTimeZone& zone,
                                                 const std::string* name = nullptr) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(outages.size());
    for (const SunOutage& outage : outages) {
        std::vector<std::string> row = SunOutageRow(outage, zone);
        if (name != nullptr) {
            row.insert(row.begin(), *name);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

frmSunOutage::frmSunOutage(MainWindowView& view, AidSettingsStore& settings,
                           PlatformServices& platform, QWidget* parent, Clock today, QTimeZone zone)
    : QWidget(parent, Qt::Window),
      view_(view),
      settings_(settings),
      platform_(platform),
      today_(std::move(today)),
      zone_(std::move(zone)),
      measure_(std::make_unique<CachedTextMeasure>(std::make_unique<QtTextMeasure>())) {
    setObjectName(QStringLiteral("frmSunOutage"));
    setWindowTitle(QStringLiteral("SNG Tarvo - Sun Outages"));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildLayout();

    const SunOutageSettings& dish = settings_.Settings().SunOutages;
    txtDiameter->setText(Figure(dish.DishDiameter));
    txtFrequency->setText(Figure(dish.Frequency));
    try {
        outageAngle_ = OutageAngleDeg(dish.DishDiameter, dish.Frequency);
    } catch (const std::invalid_argument&) {
        outageAngle_ = 0;  // pointing.ini holds only positive values
    }
    if (outageAngle_ > kWidestOutageAngle) {
        outageAngle_ = 0;  // a dish hardly wider than its wavelength: told when applied
    }
    txtOutageAngle->Show(outageAngle_ > 0 ? OutageAngleText(outageAngle_) : "");

    connect(&view_, &MainWindowView::Calculated, this, [this] { ShowCalculation(); });
    ShowCalculation();
}

frmSunOutage::~frmSunOutage() = default;

void frmSunOutage::BuildLayout() {
    const auto box = [this](Label*& label, QLineEdit*& edit, const char* name,
                            const char* caption) {
        label = new Label(caption, this);
        label->setObjectName(QStringLiteral("lbl") + QLatin1String(name));
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txt") + QLatin1String(name));
        edit->setMaximumWidth(90);
        label->setBuddy(edit);
        connect(edit, &QLineEdit::editingFinished, this,
                [this] { EventBoundary::Run([this] { ApplyDish(); }); });
    };
    box(lblDiameter, txtDiameter, "Diameter", "Dish Diameter (m):");
    box(lblFrequency, txtFrequency, "Frequency", "Frequency (GHz):");
    lblOutageAngle = new Label("Outage Angle:", this);
    lblOutageAngle->setObjectName(QStringLiteral("lblOutageAngle"));
    txtOutageAngle = new ValueBox(this);
    txtOutageAngle->setObjectName(QStringLiteral("txtOutageAngle"));
    txtOutageAngle->setMaximumWidth(90);
    txtOutageAngle->setAccessibleDescription(
        tr("degrees: half the beamwidth, 70 x wavelength / diameter, and the sun's radius, "
           "0.27"));
    lblOutageAngle->setBuddy(txtOutageAngle);

    auto* dish = new QGridLayout;
    dish->addWidget(lblDiameter, 0, 0);
    dish->addWidget(txtDiameter, 0, 1);
    dish->addWidget(lblFrequency, 1, 0);
    dish->addWidget(txtFrequency, 1, 1);
    dish->addWidget(lblOutageAngle, 2, 0);
    dish->addWidget(txtOutageAngle, 2, 1);
    dish->setColumnStretch(2, 1);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);

    table_ = new TextTableModel(this);
    grdOutages = new QTableView(this);
    grdOutages->setObjectName(QStringLiteral("grdOutages"));
    grdOutages->setModel(table_);
    grdOutages->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdOutages->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdOutages->setSelectionMode(QAbstractItemView::SingleSelection);
    grdOutages->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
    grdOutages->verticalHeader()->setVisible(false);
    // Rows as close as a list's: a year of five satellites is forty of them.
    grdOutages->verticalHeader()->setDefaultSectionSize(grdOutages->fontMetrics().height() + 6);
    grdOutages->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdOutages->horizontalHeader()->setStretchLastSection(true);
    grdOutages->setAccessibleName(tr("Sun outages"));
    grdOutages->installEventFilter(this);

    prgFill = new QProgressBar(this);
    prgFill->setObjectName(QStringLiteral("prgFill"));
    prgFill->setAccessibleName(tr("Satellites worked out"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* progress = new QHBoxLayout;
    progress->addWidget(prgFill, 1);
    progress->addWidget(cmdCancel);

    cmdAllSatellites = new QPushButton(tr("All Look List Satellites"), this);
    cmdAllSatellites->setObjectName(QStringLiteral("cmdAllSatellites"));
    cmdPrint = new QPushButton(tr("Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {cmdCancel, cmdAllSatellites, cmdPrint, cmdClose}) {
        button->setAutoDefault(true);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dish);
    layout->addWidget(lblStatus);
    layout->addWidget(grdOutages, 1);
    layout->addLayout(progress);
    layout->addLayout(ButtonRow({cmdAllSatellites, cmdPrint, cmdClose}));

    QWidget* order[] = {txtDiameter, txtFrequency,     txtOutageAngle, grdOutages,
                        cmdCancel,   cmdAllSatellites, cmdPrint,       cmdClose};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }

    fillTimer_ = new QTimer(this);
    fillTimer_->setSingleShot(true);
    fillTimer_->setInterval(0);
    connect(fillTimer_, &QTimer::timeout, this,
            [this] { EventBoundary::Run([this] { FillNext(); }); });
    connect(cmdAllSatellites, &QPushButton::clicked, this,
            [this] { EventBoundary::Run([this] { cmdAllSatellites_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { EventBoundary::Run([this] { cmdCancel_Click(); }); });
    connect(cmdPrint, &QPushButton::clicked, this,
            [this] { EventBoundary::Run([this] { cmdPrint_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
    ShowFilling(false);
    resize(720, 520);
}

void frmSunOutage::ShowFilling(bool filling) {
    prgFill->setVisible(filling);
    cmdCancel->setVisible(filling);
    cmdAllSatellites->setEnabled(!filling);
    cmdPrint->setEnabled(!filling);
}

void frmSunOutage::ShowStatus(const std::string& status) {
    lblStatus->setText(ToQString(status));
    grdOutages->setAccessibleDescription(lblStatus->text());
}

const SunSeasons& frmSunOutage::Seasons() {
    const CalendarDate today = today_();
    if (!seasons_ || firstDay_ != today) {
        seasons_.emplace(today, kDays);
        firstDay_ = today;
    }
    return *seasons_;
}

bool frmSunOutage::ApplyDish() {
    const std::optional<double> diameter = StrictNumericValue(FromQString(txtDiameter->text()));
    const std::optional<double> frequency = StrictNumericValue(FromQString(txtFrequency->text()));
    const auto refuse = [this](QLineEdit* box, const std::string& text) {
        platform_.messageBox(text, MsgButtons::Ok, MsgIcon::Exclamation, view_.MsgTitle());
        box->setFocus();
        box->selectAll();
        return false;
    };
    if (!diameter || !(*diameter > 0) || !std::isfinite(*diameter)) {
        return refuse(txtDiameter,
                      "The dish diameter must be a positive number of metres, such as 1.8.");
    }
    if (!frequency || !(*frequency > 0) || !std::isfinite(*frequency)) {
        return refuse(txtFrequency,
                      "The frequency must be a positive number of gigahertz, such as 12.");
    }
    const double angle = OutageAngleDeg(*diameter, *frequency);
    if (angle > kWidestOutageAngle) {
        return refuse(txtDiameter,
                      "A dish of " + NumberText(*diameter) + " m at " + NumberText(*frequency) +
                          " GHz is hardly wider than its wavelength: its beam is too "
                          "wide for a sun outage to mean anything." +
                          view_.LineBreak() + "Enter the dish in use and its downlink frequency.");
    }
    const SunOutageSettings& kept = settings_.Settings().SunOutages;
    if (kept.DishDiameter == *diameter && kept.Frequency == *frequency && angle == outageAngle_) {
        return true;  // nothing changed: the table stands
    }
    outageAngle_ = angle;
    txtOutageAngle->Show(OutageAngleText(angle));
    ShowCalculation();
    AidSettings changed = settings_.Settings();
    changed.SunOutages.DishDiameter = *diameter;
    changed.SunOutages.Frequency = *frequency;
    try {
        settings_.Save(changed);
    } catch (const FileWriteError& failure) {
        platform_.messageBox("The dish could not be kept in " + settings_.FileName() + "." +
                                 view_.LineBreak() + failure.what(),
                             MsgButtons::Ok, MsgIcon::Exclamation, view_.MsgTitle());
    }
    return true;
}

// Called inside every calculation of the main window: it never throws.
void frmSunOutage::ShowCalculation() {
    if (fill_) {
        EndFill(true);
    }
    const ShownCalculation& shown = view_.Shown();
    const SkyPlace place = ReadSkyPlace(shown.longitude, shown.latitude);
    table_->SetTable(SunOutageColumns(false), {});
    subject_.clear();
    if (!place.valid) {
        ShowStatus("No position to look from: calculate in the main window first.");
        return;
    }
    const std::string placeName = shown.locationName.empty()
                                      ? PositionLine(shown.longitude, shown.latitude)
                                      : shown.locationName;
    const std::optional<double> slot = StrictNumericValue(shown.satelliteLongitude);
    if (!slot) {
        ShowStatus("No satellite: choose one in the main window.");
        return;
    }
    const std::string satellite = SatelliteText(shown.satelliteName, shown.satelliteLongitude);
    subject_ = satellite + " from " + placeName;
    if (outageAngle_ <= 0) {
        ShowStatus("Enter the dish diameter and the frequency for the outage angle.");
        return;
    }
    if (ElevationFromTruck(*slot, place.longWest, place.latNorth) <= 0) {
        ShowStatus(satellite + " is below the horizon from " + placeName + ": no sun outage.");
        return;
    }
    const SunSeasons& seasons = Seasons();
    const std::vector<SunOutage> outages =
        PredictSunOutages(seasons, *slot, place.longWest, place.latNorth, outageAngle_);
    table_->SetTable(SunOutageColumns(false), OutageRows(outages, zone_));
    ShowStatus(subject_ + ": " + Count(outages.size(), "day", "days") +
               " with a sun outage in the " + std::to_string(kDays) + " days from " +
               DateText(firstDay_) + ".");
}

void frmSunOutage::cmdAllSatellites_Click() {
    if (fill_) {
        return;
    }
    const ShownCalculation& shown = view_.Shown();
    const SkyPlace place = ReadSkyPlace(shown.longitude, shown.latitude);
    if (!place.valid) {
        platform_.messageBox("No position to look from: calculate in the main window first.",
                             MsgButtons::Ok, MsgIcon::Exclamation, view_.MsgTitle());
        return;
    }
    if (outageAngle_ <= 0) {
        ApplyDish();
        return;
    }
    Fill fill;
    const SatelliteTable& catalogue = view_.Catalogue();
    for (const std::int16_t row : view_.LookListRows()) {
        if (row >= 1 && row <= catalogue.SatLast()) {
            fill.rows.push_back(row);
        }
    }
    if (fill.rows.empty()) {
        platform_.messageBox("No satellite is on the look list.", MsgButtons::Ok,
                             MsgIcon::Exclamation, view_.MsgTitle());
        return;
    }
    fill.truckLongWest = place.longWest;
    fill.truckLatNorth = place.latNorth;
    fill.placeName = shown.locationName.empty() ? PositionLine(shown.longitude, shown.latitude)
                                                : shown.locationName;
    subject_ = "Look-list satellites from " + fill.placeName;
    table_->SetTable(SunOutageColumns(true), {});
    prgFill->setRange(0, static_cast<int>(fill.rows.size()));
    prgFill->setValue(0);
    fill_ = std::move(fill);
    ShowFilling(true);
    ShowStatus("Working out " +
               Count(fill_->rows.size(), "look-list satellite", "look-list satellites") + " from " +
               fill_->placeName + "...");
    cmdCancel->setFocus();
    fillTimer_->start();
}

// One satellite per turn of the event loop: the window keeps answering, and Cancel is
// taken between two satellites.
void frmSunOutage::FillNext() {
    if (!fill_) {
        return;
    }
    Fill& fill = *fill_;
    const SatelliteRecord& record = view_.Catalogue().Row(fill.rows[fill.next]);
    const std::string name = SatelliteText(TrimSpaces(record.SatName), NumberText(record.SatLong));
    if (ElevationFromTruck(record.SatLong, fill.truckLongWest, fill.truckLatNorth) <= 0) {
        fill.belowHorizon.push_back(name);
    } else {
        const std::vector<SunOutage> outages = PredictSunOutages(
            Seasons(), record.SatLong, fill.truckLongWest, fill.truckLatNorth, outageAngle_);
        fill.outages += static_cast<int>(outages.size());
        table_->AddRows(OutageRows(outages, zone_, &name));
    }
    ++fill.next;
    prgFill->setValue(static_cast<int>(fill.next));
    if (fill.next == fill.rows.size()) {
        EndFill(false);
        return;
    }
    fillTimer_->start();
}

void frmSunOutage::EndFill(bool cancelled) {
    fillTimer_->stop();
    const Fill fill = std::move(*fill_);
    fill_.reset();
    const bool hadFocus = cmdCancel->hasFocus();
    ShowFilling(false);
    if (hadFocus) {
        cmdAllSatellites->setFocus();
    }
    std::string status = subject_ + ": " +
                         Count(static_cast<std::size_t>(fill.outages), "outage", "outages") +
                         " of " + Count(fill.next, "satellite", "satellites");
    if (cancelled) {
        status += ", cancelled before the other " + std::to_string(fill.rows.size() - fill.next);
    }
    status += ", in the " + std::to_string(kDays) + " days from " + DateText(firstDay_) + ".";
    if (!fill.belowHorizon.empty()) {
        status += " Below the horizon, no outage: ";
        for (std::size_t i = 0; i < fill.belowHorizon.size(); ++i) {
            status += (i == 0 ? "" : ", ") + fill.belowHorizon[i];
        }
        status += ".";
    }
    ShowStatus(status);
}

void frmSunOutage::cmdCancel_Click() {
    if (fill_) {
        EndFill(true);
    }
}

PointingSheet frmSunOutage::Sheet() const {
    PointingSheet sheet;
    sheet.heading.push_back("Sun Outages");
    sheet.heading.push_back(subject_.empty() ? FromQString(lblStatus->text()) : subject_);
    sheet.heading.push_back("Dish " + FromQString(txtDiameter->text()) + " m at " +
                            FromQString(txtFrequency->text()) + " GHz: outage angle " +
                            FromQString(txtOutageAngle->text()) + " degrees; the " +
                            std::to_string(kDays) + " days from " + DateText(firstDay_));
    sheet.columns = table_->Columns();
    sheet.rows = table_->Rows();
    sheet.footnote = "Local times in " + FromQString(QString::fromUtf8(zone_.id())) +
                     ". Closest: the least angle between sun and satellite, degrees. A prediction "
                     "to plan around, not a guarantee.";
    return sheet;
}

void frmSunOutage::CopyTable() const {
    QGuiApplication::clipboard()->setText(ToQString(table_->PlainText()));
}

void frmSunOutage::cmdPrint_Click() {
    const PrintMessages messages{"The sun outage table could not be printed.",
                                 "The sun outage table could not be saved.", view_.LineBreak(),
                                 view_.MsgTitle()};
    PrintSheetOrPdf(
        Sheet(), platform_, messages,
        [this] { return view_.ChoosePdfFile("Sun outages.pdf", "The sun outage table"); },
        *measure_, view_.CurrentSettings());
}

bool frmSunOutage::eventFilter(QObject* watched, QEvent* event) {
    // The table would copy its one cell: the crew gets the whole table.
    if (watched == grdOutages && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        EventBoundary::Run([this] { CopyTable(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSunOutage::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        EventBoundary::Run([this] { CopyTable(); });
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (fill_) {
            EndFill(true);  // Escape stops the work first, as Cancel does
        } else {
            close();
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarvo
