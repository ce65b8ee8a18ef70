#include "aidwindows/frm_gps_position.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/platform_services.h"

namespace tarvo {

frmGpsPosition::frmGpsPosition(std::string host, int port, GpsWaits waits,
                               PlatformServices& platform, std::string msgTitle,
                               std::string lineBreak, QWidget* parent)
    : QWidget(parent, Qt::Dialog),
      host_(std::move(host)),
      port_(port),
      waits_(waits),
      platform_(platform),
      msgTitle_(std::move(msgTitle)),
      lineBreak_(std::move(lineBreak)) {
    setObjectName(QStringLiteral("frmGpsPosition"));
    setWindowTitle(QStringLiteral("SNG Tarvo - Position from GPS"));
    // The main window waits with it: nothing typed there meanwhile is overwritten.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    lblWaiting = new QLabel(tr("Waiting for a position from the GPS receiver (gpsd at %1)...")
                                .arg(QString::fromStdString(Address())),
                            this);
    lblWaiting->setObjectName(QStringLiteral("lblWaiting"));
    prgWaiting = new QProgressBar(this);
    prgWaiting->setObjectName(QStringLiteral("prgWaiting"));
    prgWaiting->setRange(0, 0);  // busy: how long the receiver takes is not known
    prgWaiting->setTextVisible(false);
    prgWaiting->setAccessibleName(tr("Waiting for the GPS receiver"));
    lblWaiting->setBuddy(prgWaiting);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblWaiting);
    layout->addWidget(prgWaiting);
    layout->addLayout(buttons);
    setFocusProxy(cmdCancel);

    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(&client_, &GpsdClient::Finished, this,
            [this](const GpsOutcome& outcome) { OnFinished(outcome); });
}

std::string frmGpsPosition::Address() const {
    return host_ + ":" + std::to_string(port_);
}

void frmGpsPosition::Start() {
    show();
    cmdCancel->setFocus();
    client_.Start(host_, port_, waits_);
}

void frmGpsPosition::cmdCancel_Click() {
    close();
}

void frmGpsPosition::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmGpsPosition::closeEvent(QCloseEvent* event) {
    client_.Cancel();
    event->accept();
}

void frmGpsPosition::OnFinished(const GpsOutcome& outcome) {
    hide();
    if (outcome.kind == GpsOutcome::Kind::Position) {
        emit PositionFound(outcome.report);
    } else {
        platform_.messageBox(GpsOutcomeText(outcome, Address(), lineBreak_), MsgButtons::Ok,
                             MsgIcon::Exclamation, msgTitle_);
    }
    close();
}

}  // namespace tarvo
