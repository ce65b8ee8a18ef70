#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <vector>

namespace tarvo {

// A gpsd of the tests on a free port of this machine: to each client it sends its
// steps, each after its pause, and records what the client sent. A step with no bytes
// and `close` set closes the connection.
class FakeGpsd : public QObject {
  public:
    struct Step {
        int pauseMs = 0;
        QByteArray bytes;
        bool close = false;
    };

    explicit FakeGpsd(std::vector<Step> steps) : steps_(std::move(steps)) {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            client_ = server_.nextPendingConnection();
            connect(client_, &QTcpSocket::readyRead, this,
                    [this] { received_ += client_->readAll(); });
            Next(0);
        });
    }

    int Port() const { return server_.serverPort(); }
    const QByteArray& Received() const { return received_; }

  private:
    void Next(std::size_t at) {
        if (at >= steps_.size() || !client_) {
            return;
        }
        QTimer::singleShot(steps_[at].pauseMs, this, [this, at] {
            if (!client_) {
                return;
            }
            if (steps_[at].close) {
                client_->disconnectFromHost();
                return;
            }
            client_->write(steps_[at].bytes);
            Next(at + 1);
        });
    }

    std::vector<Step> steps_;
    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    QByteArray received_;
};

}  // namespace tarvo
