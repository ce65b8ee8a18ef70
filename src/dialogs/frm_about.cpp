// The About box.

#include "dialogs/frm_about.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <string>

#include "dialogs/notices.h"
#include "dialogs/placed_controls.h"
#include "platform/handler.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/twips.h"

namespace tarvo {

namespace {

constexpr int kClientWidth = 4620;  // twips
constexpr int kClientHeight = 4320;

// The title: Arial 15.75 point bold (Liberation Sans has Arial's metrics).
QFont TitleFont() {
    QFont font;
    font.setFamilies({"Arial", "Liberation Sans"});
    font.setPointSizeF(15.75);
    font.setBold(true);
    return font;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About S.N.G. Tarvo"));
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    PaintBackground(this, Qt::white);
    setFont(ControlFont());

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(TwipsRect(120, 240, 750, 750));
    imgLogo->setPixmap(Picture(QStringLiteral("logo")));
    imgLogo->setAccessibleName(QStringLiteral("SNG Tarvo logo"));

    lblTitle = PlaceLabel(this, "lblTitle", "S. N. G. TARVO", TwipsRect(1080, 240, 3375, 735));
    lblTitle->setFont(TitleFont());
    QPalette red = lblTitle->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblTitle->setPalette(red);

    Label1 = PlaceLabel(this, "Label1", "Version: 1.1", TwipsRect(120, 1200, 4215, 255));
    Label1->setFont(ControlFont(9.75, true));

    const std::string notice =
        std::string(kCopyrightNotice) + "\n\n" + kDistributionTerms + "\n\n" + kShortDisclaimer;
    lblCopyright =
        PlaceLabel(this, "lblCopyright", notice.c_str(), TwipsRect(120, 1560, 4335, 2175));
    lblCopyright->setWordWrap(true);

    cmdClose = PlaceButton(this, "cmdClose", "Close", TwipsRect(1560, 3840, 1215, 375));
    cmdClose->setFocus();
    connect(cmdClose, &QPushButton::clicked, this,
            [this] { EventBoundary::Run([this] { cmdClose_Click(); }); });
    CentreOverParent(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdClose_Click() {
    close();  // hidden, then gone
}

}  // namespace tarvo
