#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <string>

#include "gps/gps_outcome.h"
#include "gps/report_lines.h"

class QTcpSocket;

namespace tarvo {

// How long the client waits: for a fix, from the start (the connection included), and
// for the next position report once connected. The crew's command waits 10 s for each;
// the tests give shorter times.
struct GpsWaits {
    std::chrono::milliseconds forFix{10000};
    std::chrono::milliseconds betweenReports{10000};
};

// Asks gpsd for one position over its JSON protocol: connects, sends
// ?WATCH={"enable":true,"json":true} and reads the reports until the first fix, or
// until the waiting ends for one of the reasons of GpsOutcome. Finished is signalled
// once per Start (not after Cancel), after the connection is closed.
class GpsdClient : public QObject {
    Q_OBJECT
  public:
    explicit GpsdClient(QObject* parent = nullptr);
    ~GpsdClient() override;

    void Start(const std::string& host, int port, GpsWaits waits = {});

    // Stops waiting and closes the connection; nothing is signalled.
    void Cancel();

    bool Waiting() const { return waiting_; }

  signals:
    void Finished(const tarvo::GpsOutcome& outcome);

  private:
    void OnConnected();
    void OnReadyRead();
    void OnSocketError();
    void OnFixTimeout();
    void OnReportsStopped();
    void Finish(GpsOutcome outcome);
    void Finish(GpsOutcome::Kind kind, std::string reason = {});
    void Stop();

    QTcpSocket* socket_ = nullptr;
    QTimer fixTimer_;
    QTimer reportTimer_;
    ReportLines lines_;
    bool connected_ = false;
    bool anyPositionReport_ = false;
    bool waiting_ = false;
};

}  // namespace tarvo
