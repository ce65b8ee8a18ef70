// The splash window: shown at start-up, handed over to the main window by its button
// or its timer.

#include "dialogs/frm_splash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "dialogs/notices.h"
#include "dialogs/placed_controls.h"
#include "platform/handler.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/twips.h"

namespace tarvo {

namespace {

constexpr int kClientWidth = 5010;  // twips
constexpr int kClientHeight = 5190;
constexpr int kTimerInterval = 20000;  // milliseconds

}  // namespace

frmSplash::frmSplash(std::function<void()> loadMainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      loadMainWindow_(std::move(loadMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("SNG Tarvo"));  // for the task bar and screen readers
    // Closing this window never ends the program: the main window takes over.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    PaintBackground(this, Qt::white);
    setFont(ControlFont());

    imgSplashGraphic = new QLabel(this);
    imgSplashGraphic->setObjectName(QStringLiteral("imgSplashGraphic"));
    imgSplashGraphic->setGeometry(TwipsRect(170, 120, 4650, 1500));
    imgSplashGraphic->setPixmap(Picture(QStringLiteral("splash")));
    imgSplashGraphic->setAccessibleName(
        QStringLiteral("S.N.G. Tarvo: a satellite truck uplinking to a satellite"));

    lblCopyright = PlaceLabel(this, "lblCopyright", kCopyrightNotice,
                              TwipsRect(120, 1800, 4815, 615), Qt::AlignHCenter | Qt::AlignTop);
    lblCopyright->setWordWrap(true);

    lblDetails = PlaceLabel(this, "lblDetails",
                            (std::string(kDistributionTerms) + "\n\n" + kDisclaimer).c_str(),
                            TwipsRect(120, 2520, 4815, 2055));
    lblDetails->setWordWrap(true);
    lblDetails->setFont(ControlFont(8.25));

    cmdExit = PlaceButton(this, "cmdExit", "CLEAR THIS SCREEN AND GET ON WITH IT!",
                          TwipsRect(240, 4680, 4455, 375));
    cmdExit->setFocus();  // Enter presses it
    connect(cmdExit, &QPushButton::clicked, this,
            [this] { EventBoundary::Run([this] { cmdExit_Click(); }); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this,
            [this] { EventBoundary::Run([this] { Timer1_Timer(); }); });
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load() {
    // Centred on the screen the window opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
    Timer1->setInterval(kTimerInterval);
    Timer1->start();
}

void frmSplash::cmdExit_Click() {
    hide();
    Timer1->stop();
    LoadMainWindow();
}

void frmSplash::Timer1_Timer() {
    Timer1->stop();
    LoadMainWindow();
}

// The main window is loaded once; its start-up closes this window.
void frmSplash::LoadMainWindow() {
    if (handedOver_) {
        return;
    }
    handedOver_ = true;
    if (loadMainWindow_) {
        loadMainWindow_();
    }
}

void frmSplash::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    event->accept();
    if (!handedOver_) {
        EventBoundary::Run([this] { LoadMainWindow(); });
    }
}

}  // namespace tarvo
