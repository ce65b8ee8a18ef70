// The look-list window itself: what a crew member (and a screen reader) gets from it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

#include "look_list_fixture.h"
#include "platform/twips.h"

namespace tarvo::testing {
namespace {

using LookListWindowTest = LookListTest;

const char* const kSampleLines =
    "Atlanta, GA\n"
    "84.39W    33.75N\n"
    "\n"
    "Satellite\tAzimuth\tElevation\n"
    "----------------------------------------------\n"
    "Anik F2\t222.166\t41.455\n"
    "Galaxy 19\t201.933\t48.479\n"
    "SES-1\t208.233\t46.889\n"
    "SES-11/EchoStar 105\t214.095\t44.955\n"
    "Telstar 19 VANTAGE\t144.815\t44.542";

TEST_F(LookListWindowTest, AnOrdinaryWhiteWindowBesideTheMainWindow) {
    StartOnSamples();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    frmLookList* window = form->LookListWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), "Form1");
    EXPECT_EQ(window->size(), QSize(TwipsToPixels(6855), TwipsToPixels(7410)));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_TRUE(form->isEnabled());  // the main window stays usable
}

TEST_F(LookListWindowTest, ScreenReaderReadsTheLinesInOrder) {
    StartOnSamples();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(form->LookListWindow());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Look list");
    EXPECT_EQ(accessible->text(QAccessible::Value), kSampleLines);
    QAccessibleTextInterface* text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), static_cast<int>(std::string(kSampleLines).size()));
    EXPECT_EQ(text->text(0, 11), "Atlanta, GA");
}

TEST_F(LookListWindowTest, CtrlCCopiesTheListAsTabSeparatedText) {
    StartOnSamples();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(form->LookListWindow(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kSampleLines);

    // The copy follows the drawing: after a new display with another mark set, the new
    // list is copied.
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Anik F2"));
    test::Find<CheckBox>(*form, "chkLookList")->userClick();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    QTest::keyClick(form->LookListWindow(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_FALSE(copied.contains("Anik F2"));
    EXPECT_TRUE(copied.endsWith("Telstar 19 VANTAGE\t144.815\t44.542"));
}

}  // namespace
}  // namespace tarvo::testing
