#include "gps/gpsd_client.h"

#include <QTcpSocket>
#include <vector>

namespace tarvo {

namespace {

constexpr char kWatch[] = "?WATCH={\"enable\":true,\"json\":true}\n";

}  // namespace

GpsdClient::GpsdClient(QObject* parent) : QObject(parent) {
    fixTimer_.setSingleShot(true);
    reportTimer_.setSingleShot(true);
    connect(&fixTimer_, &QTimer::timeout, this, &GpsdClient::OnFixTimeout);
    connect(&reportTimer_, &QTimer::timeout, this, &GpsdClient::OnReportsStopped);
}

GpsdClient::~GpsdClient() {
    Stop();
}

void GpsdClient::Start(const std::string& host, int port, GpsWaits waits) {
    Stop();
    lines_ = ReportLines();
    connected_ = false;
    anyPositionReport_ = false;
    waiting_ = true;
    fixTimer_.setInterval(waits.forFix);
    reportTimer_.setInterval(waits.betweenReports);

    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::connected, this, &GpsdClient::OnConnected);
    connect(socket_, &QTcpSocket::readyRead, this, &GpsdClient::OnReadyRead);
    connect(socket_, &QTcpSocket::errorOccurred, this, &GpsdClient::OnSocketError);
    fixTimer_.start();
    socket_->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

void GpsdClient::Cancel() {
    Stop();
}

void GpsdClient::Stop() {
    waiting_ = false;
    fixTimer_.stop();
    reportTimer_.stop();
    if (socket_) {
        QTcpSocket* socket = socket_;
        socket_ = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

void GpsdClient::Finish(GpsOutcome outcome) {
    if (!waiting_) {
        return;
    }
    Stop();
    emit Finished(outcome);
}

void GpsdClient::Finish(GpsOutcome::Kind kind, std::string reason) {
    GpsOutcome outcome;
    outcome.kind = kind;
    outcome.reason = std::move(reason);
    Finish(std::move(outcome));
}

void GpsdClient::OnConnected() {
    connected_ = true;
    reportTimer_.start();
    socket_->write(kWatch);
}

void GpsdClient::OnReadyRead() {
    const QByteArray bytes = socket_->readAll();
    std::vector<std::string> lines;
    const bool kept = lines_.Append(std::string_view(bytes.constData(), bytes.size()), lines);
    for (const std::string& line : lines) {
        const GpsdLine read = ReadGpsdLine(line);
        if (read.kind == GpsdLine::Kind::Garbage) {
            Finish(GpsOutcome::Kind::Garbage);
            return;
        }
        if (read.kind != GpsdLine::Kind::Position) {
            continue;
        }
        anyPositionReport_ = true;
        reportTimer_.start();
        if (read.position.HasFix()) {
            Finish(JudgeFix(read.position));
            return;
        }
    }
    if (!kept) {
        Finish(GpsOutcome::Kind::Garbage);
    }
}

void GpsdClient::OnSocketError() {
    if (!connected_) {
        Finish(GpsOutcome::Kind::CannotReach, socket_->errorString().toStdString());
        return;
    }
    // Whatever came before the close is read first: a fix in its last bytes counts.
    if (socket_->bytesAvailable() > 0) {
        OnReadyRead();
    }
    Finish(GpsOutcome::Kind::Closed);
}

void GpsdClient::OnFixTimeout() {
    if (!connected_) {
        Finish(GpsOutcome::Kind::CannotReach, "Connection timed out");
    } else if (!anyPositionReport_) {
        Finish(GpsOutcome::Kind::ReportsStopped);
    } else {
        Finish(GpsOutcome::Kind::NoFix);
    }
}

void GpsdClient::OnReportsStopped() {
    Finish(GpsOutcome::Kind::ReportsStopped);
}

}  // namespace tarvo
