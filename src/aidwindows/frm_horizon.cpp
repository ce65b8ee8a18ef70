#include "aidwindows/frm_horizon.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "aidsettings/aid_settings_store.h"
#include "aidsettings/horizon_settings.h"
#include "catalogue/file_error.h"
#include "common/codepage.h"
#include "platform/platform_services.h"
#include "platform/qt_text.h"

namespace tarvo {

namespace {

constexpr int kAzimuthColumn = 0;
constexpr int kElevationColumn = 1;

// A typed number: a period before the fraction, whatever the regional settings, spaces
// at the ends allowed. Nothing for an empty cell.
std::optional<double> CellNumber(const QTableWidgetItem* item, bool& empty) {
    const QString text = item == nullptr ? QString() : item->text().trimmed();
    empty = text.isEmpty();
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || value != value) {
        return std::nullopt;
    }
    return value;
}

QString Figure(double value) {
    return QLocale::c().toString(value, 'g', 10);
}

}  // namespace

frmHorizon::frmHorizon(AidSettingsStore& store, PlatformServices& platform, std::string msgTitle,
                       std::string lineBreak, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      platform_(platform),
      msgTitle_(std::move(msgTitle)),
      lineBreak_(std::move(lineBreak)) {
    setObjectName(QStringLiteral("frmHorizon"));
    setWindowTitle(QStringLiteral("SNG Tarvo - Horizon Mask"));

    lblLocation = new QLabel(this);
    lblLocation->setObjectName(QStringLiteral("lblLocation"));

    auto* caption =
        new QLabel(tr("Obstacles round the truck: azimuth in degrees true (0 to 360), elevation in "
                      "degrees (-5 to 90), joined by straight lines."),
                   this);
    caption->setWordWrap(true);

    grdPoints = new QTableWidget(0, 2, this);
    grdPoints->setObjectName(QStringLiteral("grdPoints"));
    grdPoints->setHorizontalHeaderLabels({tr("Azimuth"), tr("Elevation")});
    grdPoints->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdPoints->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPoints->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the buttons; the arrow keys move between its cells.
    grdPoints->setTabKeyNavigation(false);
    grdPoints->setAccessibleName(tr("Horizon points"));
    grdPoints->setAccessibleDescription(
        tr("Each row is one obstacle point: azimuth, then elevation, in degrees."));
    caption->setBuddy(grdPoints);

    cmdAdd = new QPushButton(tr("&Add"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdRemove = new QPushButton(tr("&Remove"), this);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    cmdSave = new QPushButton(tr("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdRemove);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblLocation);
    layout->addWidget(caption);
    layout->addWidget(grdPoints, 1);
    layout->addLayout(buttons);

    setTabOrder(grdPoints, cmdAdd);
    setTabOrder(cmdAdd, cmdRemove);
    setTabOrder(cmdRemove, cmdSave);
    setTabOrder(cmdSave, cmdClose);

    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(grdPoints, &QTableWidget::itemChanged, this, [this] {
        if (!filling_) {
            MarkChanged();
        }
    });
    resize(360, 380);
}

void frmHorizon::Edit(const std::string& locationName) {
    locationName_ = HorizonKey(locationName);
    lblLocation->setText(tr("Location: %1").arg(ToQString(locationName_)));
    Fill(store_.Settings().Horizon.MaskFor(Cp1252ToUtf8(locationName_)));
}

void frmHorizon::Fill(const HorizonMask& mask) {
    filling_ = true;
    grdPoints->setRowCount(0);
    for (const HorizonPoint& point : mask) {
        const int row = grdPoints->rowCount();
        grdPoints->insertRow(row);
        grdPoints->setItem(row, kAzimuthColumn, new QTableWidgetItem(Figure(point.azimuth)));
        grdPoints->setItem(row, kElevationColumn, new QTableWidgetItem(Figure(point.elevation)));
    }
    filling_ = false;
    changed_ = false;
    if (grdPoints->rowCount() > 0) {
        grdPoints->setCurrentCell(0, kAzimuthColumn);
    }
}

void frmHorizon::cmdAdd_Click() {
    const int row = grdPoints->rowCount();
    filling_ = true;
    grdPoints->insertRow(row);
    grdPoints->setItem(row, kAzimuthColumn, new QTableWidgetItem);
    grdPoints->setItem(row, kElevationColumn, new QTableWidgetItem);
    filling_ = false;
    MarkChanged();
    grdPoints->setFocus();
    grdPoints->setCurrentCell(row, kAzimuthColumn);
    grdPoints->editItem(grdPoints->item(row, kAzimuthColumn));
}

void frmHorizon::cmdRemove_Click() {
    const int row = grdPoints->currentRow();
    if (row < 0) {
        return;
    }
    grdPoints->removeRow(row);
    MarkChanged();
    grdPoints->setFocus();
    if (grdPoints->rowCount() > 0) {
        grdPoints->setCurrentCell(std::min(row, grdPoints->rowCount() - 1), kAzimuthColumn);
    }
}

std::optional<HorizonMask> frmHorizon::TablePoints() {
    HorizonMask mask;
    for (int row = 0; row < grdPoints->rowCount(); ++row) {
        bool azimuthEmpty = false;
        bool elevationEmpty = false;
        const auto azimuth = CellNumber(grdPoints->item(row, kAzimuthColumn), azimuthEmpty);
        const auto elevation = CellNumber(grdPoints->item(row, kElevationColumn), elevationEmpty);
        if (azimuthEmpty && elevationEmpty) {
            continue;  // a row added and never filled in
        }
        const std::string rowText = std::to_string(row + 1);
        int column = -1;
        std::string message;
        if (!azimuth || *azimuth < 0 || *azimuth > 360) {
            column = kAzimuthColumn;
            message = "The azimuth in row " + rowText +
                      " must be a number of degrees from 0 to 360, such as 152.5.";
        } else if (!elevation || *elevation < -5 || *elevation > 90) {
            column = kElevationColumn;
            message = "The elevation in row " + rowText +
                      " must be a number of degrees from -5 to 90, such as 12.5.";
        }
        if (column >= 0) {
            platform_.messageBox(message, MsgButtons::Ok, MsgIcon::Exclamation, msgTitle_);
            grdPoints->setFocus();
            grdPoints->setCurrentCell(row, column);
            return std::nullopt;
        }
        mask.push_back({*azimuth, *elevation});
    }
    return mask;
}

bool frmHorizon::cmdSave_Click() {
    if (locationName_.empty()) {
        return false;
    }
    const std::optional<HorizonMask> mask = TablePoints();
    if (!mask) {
        return false;
    }
    AidSettings changed = store_.Settings();
    changed.Horizon.SetMask(Cp1252ToUtf8(locationName_), *mask);
    try {
        store_.Save(changed);
    } catch (const FileError& error) {
        // The store keeps the change in use; the crew is told it is not kept.
        emit Saved();
        platform_.messageBox(store_.FileName() + " could not be written: " +
                                 Utf8ToCp1252(error.what()) + lineBreak_ +
                                 "The horizon mask is used until the program ends, but it "
                                 "is not kept.",
                             MsgButtons::Ok, MsgIcon::Critical, msgTitle_);
        return false;
    }
    changed_ = false;
    Fill(*mask);
    emit Saved();
    return true;
}

bool frmHorizon::MayDropChanges() {
    if (!changed_) {
        return true;
    }
    const MsgAnswer answer = platform_.messageBox("The horizon mask of " + locationName_ +
                                                      " has changes that are not saved." +
                                                      lineBreak_ + "Close without saving them?",
                                                  MsgButtons::YesNo, MsgIcon::Question, msgTitle_);
    return answer == MsgAnswer::Yes;
}

void frmHorizon::cmdClose_Click() {
    close();
}

void frmHorizon::closeEvent(QCloseEvent* event) {
    if (!MayDropChanges()) {
        event->ignore();
        return;
    }
    // The next opening starts from the saved mask.
    Fill(store_.Settings().Horizon.MaskFor(Cp1252ToUtf8(locationName_)));
    event->accept();
}

}  // namespace tarvo
