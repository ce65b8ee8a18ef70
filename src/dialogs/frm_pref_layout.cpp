// The controls of the preferences window at their places, in twips (left, top, width,
// height inside the frame, or inside the window for the frames and buttons).

#include <QGroupBox>
#include <QPushButton>
#include <initializer_list>

#include "dialogs/frm_pref.h"
#include "dialogs/placed_controls.h"
#include "platform/label.h"
#include "platform/text_box.h"
#include "platform/twips.h"

namespace tarvo {

namespace {

constexpr int kClientWidth = 6765;  // twips
constexpr int kClientHeight = 4050;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

}  // namespace

void frmPref::BuildLayout() {
    setWindowTitle(QStringLiteral("SNG Tarvo - Preferences"));
    setFont(ControlFont());
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    QGroupBox* frame = frmAntenna =
        PlaceFrame(this, "frmAntenna", "Antenna Adjustments", TwipsRect(120, 120, 2175, 1335));
    lblElevation =
        PlaceLabel(frame, "lblElevation", "Elevation Offset:", TwipsRect(120, 480, 1215, 255));
    txtElOffSet = PlaceTextBox(frame, "txtElOffSet", lblElevation, TwipsRect(1320, 405, 615, 285));
    lblAzimuth = PlaceLabel(frame, "lblAzimuth", "Azimuth Offset:", TwipsRect(210, 960, 1095, 255));
    txtAzOffset = PlaceTextBox(frame, "txtAzOffset", lblAzimuth, TwipsRect(1320, 885, 615, 285));

    frame = frmFileData =
        PlaceFrame(this, "frmFileData", "File Data", TwipsRect(2400, 120, 4215, 1335));
    Label3 = PlaceLabel(frame, "Label3", "Current Location File:", TwipsRect(120, 240, 3975, 255));
    lblLocationFile = PlaceLabel(frame, "lblLocationFile", "", TwipsRect(240, 480, 3855, 255));
    lblLocationFile->setAccessibleDescription(Label3->text());
    Label1 = PlaceLabel(frame, "Label1", "Current Satellite File:", TwipsRect(120, 720, 1935, 255));
    lblSatelliteFile = PlaceLabel(frame, "lblSatelliteFile", "", TwipsRect(240, 980, 3855, 255));
    lblSatelliteFile->setAccessibleDescription(Label1->text());

    frame = frmPrinter =
        PlaceFrame(this, "frmPrinter", "Printer Settings", TwipsRect(120, 1560, 6495, 1935));
    Label4 = PlaceLabel(frame, "Label4", "Point Size:", TwipsRect(120, 360, 855, 255), kRight);
    txtPoints = PlaceTextBox(frame, "txtPoints", Label4, TwipsRect(1020, 300, 495, 285));
    Label2 = PlaceLabel(frame, "Label2", "Font Name:", TwipsRect(1680, 360, 855, 255), kRight);
    lblFont = PlaceLabel(frame, "lblFont", "", TwipsRect(2610, 360, 1815, 255));
    lblFont->setAccessibleDescription(Label2->text());
    cmdChangeFont =
        PlaceButton(frame, "cmdChangeFont", "Change Font", TwipsRect(4680, 240, 1575, 375));
    lblSample = PlaceLabel(frame, "lblSample", "", TwipsRect(120, 840, 6255, 615),
                           Qt::AlignHCenter | Qt::AlignTop);
    lblSample->setWordWrap(true);
    lblSample->setAccessibleDescription(QStringLiteral("Sample of the printer font"));
    Label5 = PlaceLabel(frame, "Label5", "Left Margin:", TwipsRect(120, 1560, 855, 255));
    txtLftMargin = PlaceTextBox(frame, "txtLftMargin", Label5, TwipsRect(1000, 1500, 855, 285));
    Label6 = PlaceLabel(frame, "Label6", "Top Margin:", TwipsRect(1920, 1560, 855, 255));
    txtTopMargin = PlaceTextBox(frame, "txtTopMargin", Label6, TwipsRect(2830, 1500, 855, 285));
    Label7 = PlaceLabel(frame, "Label7", "Space Between Lines:", TwipsRect(3720, 1560, 1695, 255),
                        kRight);
    txtSpacing = PlaceTextBox(frame, "txtSpacing", Label7, TwipsRect(5480, 1500, 855, 285));

    cmdSave =
        PlaceButton(this, "cmdSave", "Save Changes and Exit", TwipsRect(120, 3600, 2295, 375));
    cmdExit = PlaceButton(this, "cmdExit", "Exit", TwipsRect(5760, 3600, 855, 375));

    SetTabOrder();
    CentreOverParent(this);
}

// The boxes of the antenna, then the printer settings, then the two buttons. Labels
// and frames take no focus.
void frmPref::SetTabOrder() {
    const std::initializer_list<QWidget*> order = {txtElOffSet,   txtAzOffset,  txtPoints,
                                                   cmdChangeFont, txtLftMargin, txtTopMargin,
                                                   txtSpacing,    cmdSave,      cmdExit};
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

}  // namespace tarvo
