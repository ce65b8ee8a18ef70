// Asking a fake gpsd for the position: each way the waiting ends, on hand-written
// reports as gpsd's JSON protocol documents them.

#include "gps/gpsd_client.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <optional>

#include "gps/gps_outcome.h"
#include "gps/fake_gpsd.h"

namespace tarvo {
namespace {

using Kind = GpsOutcome::Kind;
using namespace std::chrono_literals;

const QByteArray kVersion =
    R"({"class":"VERSION","release":"3.22","rev":"3.22","proto_major":3,"proto_minor":14})"
    "\r\n";
const QByteArray kNoFix = R"({"class":"TPV","device":"/dev/ttyUSB0","mode":1})"
                          "\r\n";

QByteArray Tpv(int mode, double lat, double lon) {
    return QByteArray(R"({"class":"TPV","mode":)") + QByteArray::number(mode) + R"(,"lat":)" +
           QByteArray::number(lat, 'f', 6) + R"(,"lon":)" + QByteArray::number(lon, 'f', 6) +
           R"(,"altMSL":121.5})" + "\r\n";
}

// Runs the client against `port` until it finishes; nothing when it never does.
std::optional<GpsOutcome> Ask(int port, GpsWaits waits) {
    GpsdClient client;
    std::optional<GpsOutcome> outcome;
    QObject::connect(&client, &GpsdClient::Finished,
                     [&outcome](const GpsOutcome& o) { outcome = o; });
    client.Start("127.0.0.1", port, waits);
    if (!QTest::qWaitFor([&] { return outcome.has_value(); }, 20000)) {
        return std::nullopt;
    }
    return outcome;
}

struct Case {
    const char* what;
    std::vector<FakeGpsd::Step> steps;
    GpsWaits waits;
    Kind expected;
};

TEST(GpsdClient, EachWayTheWaitEnds) {
    const QByteArray junk = "HTTP/1.1 400 Bad Request\r\n";
    const QByteArray tooLong(70000, 'x');  // no line feed in 64 KiB
    const GpsWaits shortFix{300ms, 5000ms};
    const GpsWaits shortGap{5000ms, 200ms};
    std::vector<FakeGpsd::Step> everyTenth = {{0, kVersion, false}};
    for (int i = 0; i < 60; ++i) {
        everyTenth.push_back({10, kNoFix, false});
    }
    const std::vector<Case> cases = {
        {"a fix after none",
         {{0, kVersion}, {20, kNoFix}, {20, Tpv(3, 61.4981, -23.7603)}},
         {},
         Kind::Position},
        {"a 2D fix on the equator at Greenwich", {{0, Tpv(2, 0, 0)}}, {}, Kind::Position},
        {"no fix while reports come", everyTenth, shortFix, Kind::NoFix},
        {"reports stop", {{0, kVersion}, {0, kNoFix}}, shortGap, Kind::ReportsStopped},
        {"no report ever", {{0, kVersion}}, shortFix, Kind::ReportsStopped},
        {"south", {{0, Tpv(3, -33.86, -70.6)}}, {}, Kind::OutOfRange},
        {"east", {{0, Tpv(3, 61.4981, 23.7603)}}, {}, Kind::OutOfRange},
        {"closed", {{0, kVersion}, {20, {}, true}}, {}, Kind::Closed},
        {"junk", {{0, kVersion}, {0, junk}}, {}, Kind::Garbage},
        {"a line far too long", {{0, tooLong}}, {}, Kind::Garbage},
    };
    for (const Case& c : cases) {
        FakeGpsd gpsd(c.steps);
        const std::optional<GpsOutcome> outcome = Ask(gpsd.Port(), c.waits);
        ASSERT_TRUE(outcome) << c.what;
        EXPECT_EQ(outcome->kind, c.expected) << c.what;
        EXPECT_EQ(gpsd.Received(), R"(?WATCH={"enable":true,"json":true})"
                                   "\n")
            << c.what;
    }
}

TEST(GpsdClient, TheFixHoldsTheReportedPosition) {
    FakeGpsd gpsd({{0, kVersion + kNoFix + Tpv(3, 61.4981, -23.7603) + Tpv(3, 1, -1)}});
    const std::optional<GpsOutcome> outcome = Ask(gpsd.Port(), {});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->report.latitude, 61.4981);  // the first fix, not the later one
    EXPECT_EQ(outcome->report.longitude, -23.7603);
    EXPECT_EQ(outcome->report.altitudeMsl, 121.5);
    EXPECT_TRUE(outcome->report.HasHeight());
}

TEST(GpsdClient, NoServiceIsToldWithTheSystemsReason) {
    int port = 0;
    {
        QTcpServer taken;  // a port that was free a moment ago, and is closed again
        ASSERT_TRUE(taken.listen(QHostAddress::LocalHost));
        port = taken.serverPort();
    }
    const std::optional<GpsOutcome> outcome = Ask(port, {});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->kind, Kind::CannotReach);
    EXPECT_EQ(GpsOutcomeText(*outcome, "localhost:2947", "\n"),
              "Cannot reach the GPS service at localhost:2947: Connection refused");
}

TEST(GpsdClient, CancelEndsTheWaitWithoutAWord) {
    FakeGpsd gpsd({{0, kVersion}, {200, Tpv(3, 61.4981, -23.7603)}});
    GpsdClient client;
    int finished = 0;
    QObject::connect(&client, &GpsdClient::Finished, [&finished] { ++finished; });
    client.Start("127.0.0.1", gpsd.Port(), {});
    QTest::qWait(50);
    client.Cancel();
    EXPECT_FALSE(client.Waiting());
    QTest::qWait(400);
    EXPECT_EQ(finished, 0);
}

}  // namespace
}  // namespace tarvo
