#pragma once

#include <QWidget>
#include <string>

#include "gps/gpsd_client.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarvo {

class PlatformServices;

// "SNG Tarvo - Position from GPS": the small window shown while gpsd is asked for the
// truck's position, with Cancel. It closes when the waiting ends: with a position it
// hands it on (PositionFound); otherwise it tells the crew why in a message box and
// hands on nothing. Cancel, Escape or closing the window end the waiting silently.
class frmGpsPosition : public QWidget {
    Q_OBJECT
  public:
    // `msgTitle` and `lineBreak`: the title of the program's message boxes and the line
    // break inside their texts.
    frmGpsPosition(std::string host, int port, GpsWaits waits, PlatformServices& platform,
                   std::string msgTitle, std::string lineBreak, QWidget* parent = nullptr);

    // Shows the window and starts asking.
    void Start();

    void cmdCancel_Click();

    QLabel* lblWaiting = nullptr;
    QProgressBar* prgWaiting = nullptr;
    QPushButton* cmdCancel = nullptr;

  signals:
    // A fix north of the equator and west of Greenwich, once the window is closed.
    void PositionFound(const tarvo::PositionReport& fix);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OnFinished(const GpsOutcome& outcome);
    std::string Address() const;

    GpsdClient client_;
    std::string host_;
    int port_;
    GpsWaits waits_;
    PlatformServices& platform_;
    std::string msgTitle_;
    std::string lineBreak_;
};

}  // namespace tarvo
