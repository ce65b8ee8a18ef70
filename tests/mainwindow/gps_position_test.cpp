// Pointing, Position from GPS against a gpsd of the test's own (tests/gps/fake_gpsd.h):
// the position typed into the boxes and calculated, every failure told with the window
// left as it was, and the waiting window by keyboard.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/frm_gps_position.h"
#include "aidwindows/frm_pointing.h"
#include "aidwindows/value_box.h"
#include "form_fixture.h"
#include "gps/fake_gpsd.h"
#include "platform/command_button.h"

namespace tarvo::testing {
namespace {

using namespace std::chrono_literals;

const QByteArray kVersion = R"({"class":"VERSION","release":"3.22","proto_major":3})"
                            "\r\n";
const QByteArray kNoFix = R"({"class":"TPV","mode":1})"
                          "\r\n";
// Denver's state capitol, 1609 m above sea level.
const QByteArray kDenver = R"({"class":"TPV","mode":3,"lat":39.739236,"lon":-104.984862,)"
                           R"("altHAE":1592.1,"altMSL":1609.3})"
                           "\r\n";

// What the crew sees of the truck's position and the results.
struct Window {
    std::string location, longitude, latitude;
    bool saveEnabled;
    Results results;
    bool operator==(const Window&) const = default;
};

class GpsPositionTest : public FormTest {
  protected:
    static constexpr int kNoPort = 9;  // changed before the command is chosen

    // The sample working folder ("Atlanta, GA" shown and calculated) with gpsd at `port`.
    void Start(int port) {
        for (const auto& entry : std::filesystem::directory_iterator(TARVO_SAMPLES)) {
            std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
        }
        AidSettings settings;
        settings.Gps.Host = "127.0.0.1";
        settings.Gps.Port = port;
        WriteAidSettings(settings, folder.Name("pointing.ini"));
        store = std::make_unique<AidSettingsStore>(folder.Name("pointing.ini"));
        form->setAidSettings(*store);
        form->SetGpsWaits({400ms, 250ms});
        form->Form_Load();
    }

    Window Seen() const {
        return {test::Find<ComboBox>(*form, "cboLocations")->text(),
                test::Find<TextBox>(*form, "txtLongitude")->text(),
                test::Find<TextBox>(*form, "txtLatitude")->text(),
                test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled(), Shown()};
    }

    // Chooses the command and waits until its window has gone.
    void AskGps() {
        test::Find<QAction>(*form, "mnuGpsPosition")->trigger();
        ASSERT_NE(form->GpsPositionWindow(), nullptr);
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return form->GpsPositionWindow() == nullptr; }, 10000));
    }

    std::unique_ptr<AidSettingsStore> store;
};

TEST_F(GpsPositionTest, APositionIsTypedIntoTheBoxesAndCalculated) {
    FakeGpsd gpsd({{0, kVersion}, {20, kNoFix}, {20, kDenver}});
    Start(gpsd.Port());
    ASSERT_THAT(test::Find<ComboBox>(*form, "cboLocations")->text(),
                ::testing::StartsWith("Atlanta, GA "));
    ASSERT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());

    AskGps();
    EXPECT_TRUE(platform.messages().empty());
    // West as a positive figure, four decimals: 104.984862 W, 39.739236 N.
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "104.9849");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "39.7392");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    // Calculated: the results are those of the crew typing the same figures.
    const Results fromGps = Shown();
    EXPECT_FALSE(fromGps.azimuth.empty());
    EXPECT_EQ(
        CalculateFor(test::Find<ComboBox>(*form, "cboSatLong")->text(), "104.9849", "39.7392"),
        fromGps);
}

struct Failure {
    const char* what;
    std::vector<FakeGpsd::Step> steps;  // none: nothing listens at the port
    std::string message;
};

TEST_F(GpsPositionTest, EveryFailureIsToldAndChangesNothing) {
    const std::string service = "The GPS service at 127.0.0.1:";
    std::vector<FakeGpsd::Step> noFixes = {{0, kVersion}};
    for (int i = 0; i < 40; ++i) {
        noFixes.push_back({20, kNoFix});
    }
    const std::vector<Failure> failures = {
        {"no service", {}, "Cannot reach the GPS service at 127.0.0.1:%1: Connection refused"},
        {"no fix", noFixes, "The GPS receiver has no position fix yet."},
        {"reports stop",
         {{0, kVersion}, {0, kNoFix}},
         service + "%1 stopped sending position reports.\n\rCheck that the GPS receiver is "
                   "connected."},
        {"south",
         {{0, R"({"class":"TPV","mode":2,"lat":-12.0464,"lon":-77.0428})"
              "\n"}},
         "The GPS position lies south of the equator (latitude 12.0464 S).\n\rSNG Tarvo works "
         "with north latitudes and west longitudes only; the position was not used."},
        {"east",
         {{0, R"({"class":"TPV","mode":3,"lat":61.4978,"lon":23.7610})"
              "\n"}},
         "The GPS position lies east of Greenwich (longitude 23.7610 E).\n\rSNG Tarvo works "
         "with north latitudes and west longitudes only; the position was not used."},
        {"closed",
         {{0, kVersion}, {10, {}, true}},
         service + "%1 closed the connection before the receiver gave a position."},
        {"junk",
         {{0, "SSH-2.0-OpenSSH_9.2\r\n"}},
         service + "%1 sent something that is not a gpsd report.\n\rCheck that gpsd is the "
                   "service at that address."},
    };
    Start(kNoPort);
    const Window before = Seen();
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.what);
        std::unique_ptr<FakeGpsd> gpsd;
        int port = 0;
        if (f.steps.empty()) {
            FakeGpsd gone({});  // a port free a moment ago, closed again
            port = gone.Port();
        } else {
            gpsd = std::make_unique<FakeGpsd>(f.steps);
            port = gpsd->Port();
        }
        AidSettings settings = store->Settings();
        settings.Gps.Port = port;
        store->Save(settings);
        const std::size_t told = platform.messages().size();
        AskGps();
        ASSERT_EQ(platform.messages().size(), told + 1);
        const auto& message = platform.messages().back();
        std::string expected = f.message;
        if (const auto at = expected.find("%1"); at != std::string::npos) {
            expected.replace(at, 2, std::to_string(port));
        }
        EXPECT_EQ(message.text, expected);
        EXPECT_EQ(message.title, "SNG Tarvo");
        EXPECT_EQ(message.buttons, MsgButtons::Ok);
        EXPECT_EQ(Seen(), before);
    }
}

// The height of a 3D fix stands in the pointing aid while the boxes hold the fix's
// position: "none" when its row is hidden.
TEST_F(GpsPositionTest, TheHeightOfA3DFixShowsInThePointingAidUntilThePositionChanges) {
    Start(kNoPort);
    test::Find<QAction>(*form, "mnuPointingAid")->trigger();
    frmPointing* aid = form->PointingWindow();
    ASSERT_NE(aid, nullptr);
    const auto height = [aid]() -> std::string {
        const bool shown = aid->txtHeight->isVisibleTo(aid) && aid->lblHeight->isVisibleTo(aid);
        return shown ? aid->txtHeight->text().toStdString() : "none";
    };
    const auto ask = [this](const QByteArray& report) {
        FakeGpsd gpsd({{0, kVersion}, {10, report}});
        AidSettings settings = store->Settings();
        settings.Gps.Port = gpsd.Port();
        store->Save(settings);
        AskGps();
    };
    // A 2D fix of Denver's position (gpsd may still send a height with it).
    const QByteArray denver2d = R"({"class":"TPV","mode":2,"lat":39.739236,"lon":-104.984862,)"
                                R"("altMSL":1609.3})"
                                "\r\n";
    // An older gpsd's 3D fix, its height in "alt": Badwater Basin, 86 m below sea level.
    const QByteArray badwater = R"({"class":"TPV","mode":3,"lat":36.2297,"lon":-116.7675,)"
                                R"("alt":-85.6})"
                                "\r\n";
    EXPECT_EQ(height(), "none");  // Atlanta, chosen at start-up

    ask(kDenver);
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "39.7392");
    EXPECT_EQ(height(), "1609 m above sea level (GPS)");  // 1609.3 to whole metres
    // Read by a screen reader under its label, and reached by Tab after the position.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(aid->txtHeight);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Height:");
    EXPECT_EQ(accessible->text(QAccessible::Value), "1609 m above sea level (GPS)");
    QWidget* next = aid->txtPosition->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus || !next->isVisibleTo(aid)) {
        next = next->nextInFocusChain();
    }
    EXPECT_EQ(next, aid->txtHeight);
    EXPECT_EQ(form->view().Shown().gpsHeight, 1609.3);
    // The sheet's second heading line: the position line, then the height.
    ASSERT_GE(aid->Sheet().heading.size(), 2u);
    EXPECT_THAT(aid->Sheet().heading[1],
                ::testing::HasSubstr(", height 1609 m above sea level (GPS)    "));
    // Calculating again keeps it: the boxes still hold the fix's position.
    test::Find<CommandButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(height(), "1609 m above sea level (GPS)");

    ask(denver2d);
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "39.7392");
    EXPECT_EQ(height(), "none");

    ask(badwater);
    EXPECT_EQ(height(), "86 m below sea level (GPS)");  // -85.6 rounds to -86

    // A coordinate typed over the fix's: even the same figure typed back.
    ask(kDenver);
    test::Find<TextBox>(*form, "txtLatitude")->setText("39.7393");
    test::Find<TextBox>(*form, "txtLatitude")->setText("39.7392");
    test::Find<CommandButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(height(), "none");
    EXPECT_FALSE(form->view().Shown().gpsHeight);
    EXPECT_THAT(aid->Sheet().heading[1], ::testing::Not(::testing::HasSubstr("height")));

    // A location chosen from the list.
    ask(kDenver);
    ASSERT_EQ(height(), "1609 m above sea level (GPS)");
    test::Find<ComboBox>(*form, "cboLocations")->setText("Atlanta, GA");
    form->cboLocations_Click();
    EXPECT_THAT(test::Find<ComboBox>(*form, "cboLocations")->text(),
                ::testing::StartsWith("Atlanta, GA"));
    EXPECT_EQ(height(), "none");
    EXPECT_FALSE(form->view().Shown().gpsHeight);
}

TEST_F(GpsPositionTest, TheWaitingWindowIsCancelledByKeyboardAndChangesNothing) {
    FakeGpsd gpsd({{0, kVersion}, {300, kDenver}});
    Start(gpsd.Port());
    form->SetGpsWaits({});
    const Window before = Seen();
    test::Find<QAction>(*form, "mnuGpsPosition")->trigger();
    frmGpsPosition* waiting = form->GpsPositionWindow();
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(waiting->windowTitle(), "SNG Tarvo - Position from GPS");
    EXPECT_TRUE(waiting->isVisible());
    EXPECT_EQ(waiting->lblWaiting->text(),
              QString("Waiting for a position from the GPS receiver (gpsd at 127.0.0.1:%1)...")
                  .arg(gpsd.Port()));
    EXPECT_EQ(waiting->lblWaiting->buddy(), waiting->prgWaiting);
    EXPECT_FALSE(waiting->prgWaiting->accessibleName().isEmpty());
    EXPECT_EQ(waiting->focusProxy(), waiting->cmdCancel);
    // Choosing the command again keeps the one request.
    test::Find<QAction>(*form, "mnuGpsPosition")->trigger();
    EXPECT_EQ(form->GpsPositionWindow(), waiting);

    QTest::keyClick(waiting, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->GpsPositionWindow() == nullptr; }, 5000));
    QTest::qWait(500);  // the fix the service would still have sent
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(Seen(), before);
}

}  // namespace
}  // namespace tarvo::testing
