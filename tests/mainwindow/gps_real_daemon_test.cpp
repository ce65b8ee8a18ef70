// Pointing, Position from GPS against the real gpsd, fed by gpsfake with a log of
// NMEA sentences made for these tests (tests/gps/denver.nmea: Denver's State Capitol,
// 39.739236 N, 104.984862 W). The log carries its own old times: the command goes by
// gpsd's mode and by reports arriving, never by the computer's clock. Skipped, with the
// reason, where gpsd or gpsfake is not installed or cannot run.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "aidsettings/aid_settings_store.h"
#include "form_fixture.h"

namespace tarvo::testing {
namespace {

// gpsfake in a process group of its own, with the gpsd it starts; both ended with it.
class GpsFake {
  public:
    // Empty when it runs and gpsd answers at `port`; otherwise why it cannot run.
    std::string Start(int port) {
        const QStringList sbin = {"/usr/sbin", "/usr/local/sbin", "/sbin"};
        const QString gpsfake = QStandardPaths::findExecutable("gpsfake");
        if (gpsfake.isEmpty()) {
            return "gpsfake is not installed (Debian package gpsd-clients)";
        }
        QString gpsd = QStandardPaths::findExecutable("gpsd");
        if (gpsd.isEmpty()) {
            gpsd = QStandardPaths::findExecutable("gpsd", sbin);
        }
        if (gpsd.isEmpty()) {
            return "gpsd is not installed (Debian package gpsd)";
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", QFileInfo(gpsd).absolutePath() + ":" + env.value("PATH"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setChildProcessModifier([] { ::setpgid(0, 0); });
        // The log over and over, a sentence every tenth of a second.
        process_.start(gpsfake, {"-q", "-c", "0.1", "-P", QString::number(port),
                                 QStringLiteral(TARVO_GPS_LOG)});
        if (!process_.waitForStarted(10000)) {
            return "gpsfake does not start: " + process_.errorString().toStdString();
        }
        // gpsd takes a few seconds to come up under gpsfake.
        const bool answers = QTest::qWaitFor(
            [&] {
                if (process_.state() != QProcess::Running) {
                    return true;
                }
                QTcpSocket probe;
                probe.connectToHost("127.0.0.1", static_cast<quint16>(port));
                return probe.waitForConnected(200);
            },
            30000);
        if (!answers || process_.state() != QProcess::Running) {
            return "gpsfake cannot run gpsd here: " + process_.readAll().trimmed().toStdString();
        }
        return {};
    }

    ~GpsFake() {
        if (process_.state() == QProcess::Running) {
            ::kill(-static_cast<pid_t>(process_.processId()), SIGTERM);
            if (!process_.waitForFinished(5000)) {
                ::kill(-static_cast<pid_t>(process_.processId()), SIGKILL);
                process_.waitForFinished(5000);
            }
        }
    }

  private:
    QProcess process_;
};

using GpsRealDaemonTest = FormTest;

TEST_F(GpsRealDaemonTest, TheReplayedLogsPositionIsTypedInAndCalculated) {
    int port = 0;
    {
        QTcpServer free;
        ASSERT_TRUE(free.listen(QHostAddress::LocalHost));
        port = free.serverPort();
    }
    GpsFake gpsfake;
    const std::string cannot = gpsfake.Start(port);
    if (!cannot.empty()) {
        GTEST_SKIP() << cannot;
    }

    for (const auto& entry : std::filesystem::directory_iterator(TARVO_SAMPLES)) {
        std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
    }
    AidSettings settings;
    settings.Gps.Host = "localhost";
    settings.Gps.Port = port;
    WriteAidSettings(settings, folder.Name("pointing.ini"));
    AidSettingsStore store(folder.Name("pointing.ini"));
    form->setAidSettings(store);
    form->Form_Load();
    ASSERT_THAT(test::Find<ComboBox>(*form, "cboLocations")->text(),
                ::testing::StartsWith("Atlanta, GA "));

    test::Find<QAction>(*form, "mnuGpsPosition")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->GpsPositionWindow() == nullptr; }, 15000));
    for (const auto& message : platform.messages()) {
        ADD_FAILURE() << message.text;
    }
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "104.9849");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "39.7392");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_FALSE(test::Find<TextBox>(*form, "txtAzimuth")->text().empty());
}

}  // namespace
}  // namespace tarvo::testing
