// The splash window handing over to the real main window, whose start-up closes it.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "dialog_fixture.h"
#include "dialogs/frm_splash.h"
#include "mainwindow/disk_files.h"
#include "platform/text_box.h"

namespace tarvo::testing {
namespace {

class SplashTest : public FormTest {
  protected:
    SplashTest() {
        // The sample folder's three files: start-up then shows Atlanta and Galaxy 19.
        for (const char* name : {"tarvo.ini", "tarvo.sat", "tarvo.loc"}) {
            std::filesystem::copy_file(std::filesystem::path(TARVO_SAMPLES) / name,
                                       folder.file(name));
        }
        splash = std::make_unique<frmSplash>([this] {
            ++loads;
            form->Form_Load();
        });
        form->setSplashWindow(splash.get());
    }

    // The main window has run its start-up: shown and calculated.
    void ExpectMainWindowLoaded() {
        EXPECT_EQ(loads, 1);
        EXPECT_TRUE(form->isVisible());
        // Atlanta, GA (33.75 N, 84.39 W) to Galaxy 19 at 97 W, worked out by hand from
        // the look-angle formulas.
        EXPECT_EQ(Shown(), (Results{"201.933", "48.479", "20072.5"}));
        EXPECT_FALSE(splash->isVisible());
        EXPECT_FALSE(splash->Timer1->isActive());
    }

    std::unique_ptr<frmSplash> splash;
    int loads = 0;
};

TEST_F(SplashTest, OpensAloneWithTheButtonFocusedAndTheTimerRunning) {
    splash->Form_Load();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->interval(), 20000);
    EXPECT_EQ(splash->focusWidget(), splash->cmdExit);
    EXPECT_EQ(loads, 0);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SplashTest, TheButtonLoadsTheMainWindowAtOnceAndTheTimerNeverFires) {
    splash->Form_Load();
    splash->cmdExit->click();
    ExpectMainWindowLoaded();

    // Neither a late timer nor another press loads it twice.
    splash->Timer1_Timer();
    splash->cmdExit_Click();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(SplashTest, EnterPressesTheFocusedButton) {
    splash->Form_Load();
    QTest::keyClick(splash->cmdExit, Qt::Key_Return);
    ExpectMainWindowLoaded();
}

TEST_F(SplashTest, TheTimerLoadsTheMainWindowAndTheSplashIsGoneForGood) {
    splash->Form_Load();
    splash->Timer1->setInterval(1);  // the real 20 seconds, shortened
    QTRY_COMPARE_WITH_TIMEOUT(loads, 1, 5000);
    ExpectMainWindowLoaded();
    QTest::qWait(20);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(SplashTest, ClosedByTheDesktopTheProgramGoesOn) {
    splash->Form_Load();
    splash->close();
    ExpectMainWindowLoaded();
}

}  // namespace
}  // namespace tarvo::testing
