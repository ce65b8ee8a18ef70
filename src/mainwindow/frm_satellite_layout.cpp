// The controls of the main window at their positions. Positions and sizes are in
// twips (left, top, width, height inside the container); nothing moves or resizes.

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <initializer_list>

#include "mainwindow/frm_satellite.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/command_button.h"
#include "platform/control_font.h"
#include "platform/label.h"
#include "platform/option_button.h"
#include "platform/picture.h"
#include "platform/text_box.h"
#include "platform/twips.h"

namespace tarvo {
namespace {

constexpr int kClientWidth = 7710;  // twips
constexpr int kClientHeight = 4530;

// Frame captions: MS Sans Serif 12 point bold, or the nearest font the system has.
QFont FrameCaptionFont() {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"});
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

// The three result boxes: Arial 18 point bold (Liberation Sans has the same metrics).
QFont ResultFont() {
    QFont font;
    font.setFamilies({"Arial", "Liberation Sans"});
    font.setPointSize(18);
    font.setBold(true);
    return font;
}

// A control inside a frame would inherit the frame's caption font; it keeps the
// controls' font instead.
void UseDefaultFont(QWidget* widget) {
    widget->setFont(ControlFont());
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* caption, QRect rect) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(FrameCaptionFont());
    frame->setGeometry(rect);
    return frame;
}

Label* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect rect) {
    auto* label = new Label(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    UseDefaultFont(label);
    return label;
}

// A box under its label: the label is its buddy, so a screen reader says the label's
// words (they follow the caption when the program changes it).
TextBox* MakeTextBox(QWidget* parent, const char* name, Label* label, QRect rect) {
    auto* box = new TextBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    UseDefaultFont(box);
    label->setBuddy(box);
    return box;
}

// A list under its label. An editable list reports its text as its accessible name on
// some systems, so the label's words are also given as the list's name.
ComboBox* MakeComboBox(QWidget* parent, const char* name, ComboBox::Order order, Label* label,
                       QRect rect) {
    auto* combo = new ComboBox(order, parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setGeometry(rect);
    UseDefaultFont(combo);
    label->setBuddy(combo);
    combo->setAccessibleName(label->text());
    return combo;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left,
                        int width) {
    auto* button = new CommandButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(TwipsRect(left, 4080, width, 375));
    return button;
}

}  // namespace

void frmSatellite::BuildLayout() {
    setWindowTitle(QStringLiteral("SNG Tarvo"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmSatelliteClient"));
    client->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    client->setFont(ControlFont());
    setCentralWidget(client);

    BuildSatelliteFrame(client);
    BuildCoordinatesFrame(client);
    BuildLookAngleFrame(client);
    BuildButtonRow(client);
    SetTabOrder();

    // The window takes exactly the size of its menu bar and client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSatellite::BuildSatelliteFrame(QWidget* client) {
    QGroupBox* frame = frmSatelliteLocation = MakeFrame(
        client, "frmSatelliteLocation", "Satellite Location", TwipsRect(120, 120, 5295, 1095));

    lblPresetSatellites =
        MakeLabel(frame, "lblPresetSatellites", "Satellite:", TwipsRect(240, 360, 855, 255));
    cboSatName = MakeComboBox(frame, "cboSatName", ComboBox::Order::AsAdded, lblPresetSatellites,
                              TwipsRect(240, 600, 2535, 315));

    optAlpha = new OptionButton("Alpha", frame);
    optAlpha->setObjectName(QStringLiteral("optAlpha"));
    optAlpha->setGeometry(TwipsRect(1200, 345, 735, 255));
    UseDefaultFont(optAlpha);
    optArc = new OptionButton("Arc", frame);
    optArc->setObjectName(QStringLiteral("optArc"));
    optArc->setGeometry(TwipsRect(2160, 345, 615, 255));
    UseDefaultFont(optArc);

    lblSatelliteLocation = MakeLabel(frame, "lblSatelliteLocation",
                                     "West Longitude:", TwipsRect(2880, 360, 1215, 255));
    cboSatLong = MakeComboBox(frame, "cboSatLong", ComboBox::Order::AsAdded, lblSatelliteLocation,
                              TwipsRect(2880, 600, 1095, 315));

    lblLookList =
        MakeLabel(frame, "lblLookList", "Include in Look List:", TwipsRect(4125, 525, 735, 375));
    lblLookList->setWordWrap(true);
    chkLookList = new CheckBox(frame);
    chkLookList->setObjectName(QStringLiteral("chkLookList"));
    chkLookList->setGeometry(TwipsRect(4920, 675, 255, 255));
    UseDefaultFont(chkLookList);
    chkLookList->setAccessibleName(lblLookList->text());
    lblLookList->setBuddy(chkLookList);

    imgSatTruck = new QLabel(client);
    imgSatTruck->setObjectName(QStringLiteral("imgSatTruck"));
    imgSatTruck->setGeometry(TwipsRect(5760, 0, 1815, 1275));
    imgSatTruck->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgSatTruck->setPixmap(Picture(QStringLiteral("sattruck")));
    imgSatTruck->setAccessibleName(QStringLiteral("Satellite truck"));
}

void frmSatellite::BuildCoordinatesFrame(QWidget* client) {
    QGroupBox* frame = frmCoordinates =
        MakeFrame(client, "frmCoordinates", "Truck Location", TwipsRect(120, 1440, 7455, 1095));

    lblPresetLocations =
        MakeLabel(frame, "lblPresetLocations", "Location:", TwipsRect(240, 360, 855, 255));
    cboLocations = MakeComboBox(frame, "cboLocations", ComboBox::Order::Sorted, lblPresetLocations,
                                TwipsRect(240, 600, 4095, 315));

    lblLongitude = MakeLabel(frame, "lblLongitude", "West Long:", TwipsRect(4440, 360, 855, 255));
    txtLongitude =
        MakeTextBox(frame, "txtLongitude", lblLongitude, TwipsRect(4440, 600, 1335, 285));

    lblLatitude = MakeLabel(frame, "lblLatitude", "North Lat:", TwipsRect(5880, 360, 855, 255));
    txtLatitude = MakeTextBox(frame, "txtLatitude", lblLatitude, TwipsRect(5880, 600, 1335, 285));
}

void frmSatellite::BuildLookAngleFrame(QWidget* client) {
    QGroupBox* frame = frmLookAngle =
        MakeFrame(client, "frmLookAngle", "Look Angle", TwipsRect(120, 2760, 7455, 1215));

    lblElevation = MakeLabel(frame, "lblElevation", "Elevation:", TwipsRect(240, 360, 1575, 255));
    txtElevation = MakeTextBox(frame, "txtElevation", lblElevation, TwipsRect(240, 600, 1935, 465));

    lblAzimuth = MakeLabel(frame, "lblAzimuth", "Azimuth:", TwipsRect(2640, 360, 1815, 255));
    txtAzimuth = MakeTextBox(frame, "txtAzimuth", lblAzimuth, TwipsRect(2640, 600, 2055, 465));

    lblRange = MakeLabel(frame, "lblRange", "Range:", TwipsRect(5160, 360, 1575, 255));
    txtRange = MakeTextBox(frame, "txtRange", lblRange, TwipsRect(5160, 600, 2055, 465));

    for (TextBox* box : {txtElevation, txtAzimuth, txtRange}) {
        box->setFont(ResultFont());
    }
}

void frmSatellite::BuildButtonRow(QWidget* client) {
    cmdCalculate = MakeButton(client, "cmdCalculate", "Calculate", 120, 1215);
    cmdPrintLookList = MakeButton(client, "cmdPrintLookList", "Print Look List", 1440, 1575);
    cmdDisplayLookList = MakeButton(client, "cmdDisplayLookList", "Display Look List", 3120, 1575);
    cmdSaveLocation = MakeButton(client, "cmdSaveLocation", "Save New Location", 4800, 1575);
    cmdExit = MakeButton(client, "cmdExit", "Exit", 6480, 1095);
}

// Keyboard order: the truck position first, then the satellite, the buttons, and last
// the result boxes and the list order options. Frames and labels take no focus.
void frmSatellite::SetTabOrder() {
    const std::initializer_list<QWidget*> order = {
        cboLocations,       txtLongitude,    txtLatitude,  cboSatName,
        cboSatLong,         chkLookList,     cmdCalculate, cmdPrintLookList,
        cmdDisplayLookList, cmdSaveLocation, cmdExit,      txtElevation,
        txtAzimuth,         txtRange,        optAlpha,     optArc};
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    // Qt's chain is a cycle through the window, so the first control of the order is
    // also named as the one that has the focus when the window opens.
    cboLocations->setFocus();
}

}  // namespace tarvo
