// The pointing aid beside the main window: what it shows, how it follows the main
// window, and what the keyboard and a screen reader get from it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "common/numeric_value.h"
#include "platform/label.h"
#include "pointing_fixture.h"

namespace tarvo::testing {
namespace {

using PointingWindowTest = PointingTest;

// Chooses the entry `text` of a list as the user would.
void Choose(ComboBox* list, const std::string& text) {
    const int index = list->findText(ToQString(text));
    ASSERT_GE(index, 0) << text;
    list->choose(index);
}

TEST_F(PointingWindowTest, ShowsTheMainWindowsSatelliteAndPlace) {
    StartOnSamples();
    OpenAid();
    EXPECT_EQ(aid->windowTitle(), "SNG Tarvo - Pointing Aid");
    EXPECT_EQ(Shown(aid->txtSatellite), "Galaxy 19 (97W)");
    EXPECT_EQ(Shown(aid->txtPosition), "84.39W    33.75N");
    // The main window's figures (the guide's worked example), as its boxes show them.
    EXPECT_EQ(Shown(aid->txtAzimuth), "201.933");
    EXPECT_EQ(Shown(aid->txtElevation), "48.479");
    EXPECT_EQ(Shown(aid->txtRange), "20072.5");
    EXPECT_EQ(Shown(aid->txtRangeKm), "37174.3");  // 20072.5 x 1.852 = 37174.27
    EXPECT_EQ(Shown(aid->txtFeedSkew), "18.2 clockwise");
    EXPECT_EQ(aid->lblSkewSense->text(), "seen from behind the dish");
    // Atlanta's westerly declination, and the model and date it comes from.
    EXPECT_EQ(Shown(aid->txtDeclination), "5.6 W");
    EXPECT_EQ(aid->lblDeclinationSource->text(), "WMM2025, 2026-12-07");
    // The compass bearing: the true azimuth with the declination taken off.
    EXPECT_NEAR(NumericValue(Shown(aid->txtMagneticAzimuth)), 201.933 - DeclinationAt(33.75, 84.39),
                0.05);
}

TEST_F(PointingWindowTest, FollowsEveryCalculationAndEmptiesWithTheMainWindow) {
    StartOnSamples();
    OpenAid();

    // Another satellite chosen in the list.
    Choose(test::Find<ComboBox>(*form, "cboSatName"), "Telstar 19 VANTAGE");
    EXPECT_EQ(Shown(aid->txtSatellite), "Telstar 19 VANTAGE (63W)");
    EXPECT_EQ(Shown(aid->txtAzimuth), "144.815");  // east of the truck: south-east
    EXPECT_EQ(Shown(aid->txtElevation), "44.542");
    EXPECT_EQ(Shown(aid->txtFeedSkew).substr(Shown(aid->txtFeedSkew).find(' ')),
              " counter-clockwise");

    // A position typed by hand and calculated: the worked examples a degree either side.
    test::Find<ComboBox>(*form, "cboSatName")->setText("");
    Enter("101", "100", "40");
    test::Find<QPushButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(Shown(aid->txtSatellite), "101W");  // no name in the list's box
    EXPECT_EQ(Shown(aid->txtPosition), "100W    40N");
    EXPECT_EQ(Shown(aid->txtAzimuth), "181.556");
    EXPECT_EQ(Shown(aid->txtRangeKm), "37501.9");  // 20249.4 x 1.852 = 37501.89
    EXPECT_EQ(Shown(aid->txtFeedSkew), "1.2 clockwise");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("99");
    test::Find<QPushButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(Shown(aid->txtFeedSkew), "1.2 counter-clockwise");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("100");
    test::Find<QPushButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(Shown(aid->txtFeedSkew), "0.0");

    // A position the main window cannot calculate: every figure goes, as there.
    test::Find<TextBox>(*form, "txtLatitude")->setText("");
    test::Find<QPushButton>(*form, "cmdCalculate")->click();
    ASSERT_EQ(test::Find<TextBox>(*form, "txtAzimuth")->text(), "");
    for (const ValueBox* box : aid->findChildren<ValueBox*>()) {
        EXPECT_EQ(Shown(box), "") << box->objectName().toStdString();
    }
    EXPECT_EQ(aid->lblDeclinationSource->text(), "");

    // And it comes back with the next calculation.
    Choose(test::Find<ComboBox>(*form, "cboLocations"), "Atlanta, GA");
    EXPECT_EQ(Shown(aid->txtPosition), "84.39W    33.75N");
    EXPECT_EQ(Shown(aid->txtSatellite), "100W");
}

TEST_F(PointingWindowTest, CaptionsWithTheOffsetsAndACompassWithout) {
    StartOnSamples();
    test::WritableState(*form).Settings.AzOffset = 2.5;
    test::WritableState(*form).Settings.ElOffset = -1;
    OpenAid();
    Enter("101", "100", "40");
    form->Calculate();
    EXPECT_EQ(aid->lblAzimuth->caption(), "Adjusted Azimuth:");
    EXPECT_EQ(aid->lblElevation->caption(), "Adjusted Elevation:");
    EXPECT_EQ(Shown(aid->txtAzimuth), "184.056");
    EXPECT_EQ(Shown(aid->txtElevation), "42.712");
    // The offset belongs to the antenna's readout: the compass starts from 181.556.
    EXPECT_NEAR(NumericValue(Shown(aid->txtMagneticAzimuth)), 181.556 - DeclinationAt(40, 100),
                0.05);

    test::WritableState(*form).Settings.AzOffset = 0;
    test::WritableState(*form).Settings.ElOffset = 0;
    form->Calculate();
    EXPECT_EQ(aid->lblAzimuth->caption(), "Azimuth:");
    EXPECT_EQ(aid->lblElevation->caption(), "Elevation:");
}

TEST_F(PointingWindowTest, OutsideTheModelsYearsNoDeclinationButTheSkewStays) {
    StartOnSamples();
    OpenAid(CalendarDate{2030, 1, 1});
    EXPECT_EQ(Shown(aid->txtDeclination), "");
    EXPECT_EQ(Shown(aid->txtMagneticAzimuth), "");
    EXPECT_EQ(aid->lblDeclinationSource->text(),
              "The magnetic model WMM2025 covers 2025 to 2030 only.");
    EXPECT_EQ(Shown(aid->txtFeedSkew), "18.2 clockwise");
    EXPECT_EQ(Shown(aid->txtAzimuth), "201.933");
}

TEST_F(PointingWindowTest, AMissingModelIsToldWhereTheDeclinationWouldBe) {
    StartOnSamples();
    OpenAid(kToday, {"/nonexistent/magnetic", TARVO_MAGNETIC_MODEL});
    EXPECT_EQ(Shown(aid->txtDeclination), "");
    EXPECT_EQ(Shown(aid->txtMagneticAzimuth), "");
    EXPECT_EQ(aid->lblDeclinationSource->text().left(19), "No magnetic model: ");
    EXPECT_TRUE(aid->lblDeclinationSource->text().contains("/nonexistent/magnetic"));
    EXPECT_EQ(Shown(aid->txtFeedSkew), "18.2 clockwise");
}

TEST_F(PointingWindowTest, OneModelessWindowFromTheMenu) {
    StartOnSamples();
    test::Find<QAction>(*form, "mnuPointingAid")->trigger();
    frmPointing* first = form->PointingWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isWindow());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    test::Find<QAction>(*form, "mnuPointingAid")->trigger();
    EXPECT_EQ(form->PointingWindow(), first);
    EXPECT_EQ(form->findChildren<frmPointing*>().size(), 1);
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->PointingWindow(), nullptr);
    test::Find<QAction>(*form, "mnuPointingAid")->trigger();
    EXPECT_NE(form->PointingWindow(), nullptr);
}

// Each figure is read under its label's words; the lines under two figures are their
// descriptions. Tab goes down the figures to the button.
TEST_F(PointingWindowTest, AScreenReaderReadsEachFigureByItsLabel) {
    StartOnSamples();
    OpenAid();
    const struct {
        const ValueBox* box;
        const char* name;
    } figures[] = {
        {aid->txtSatellite, "Satellite:"},
        {aid->txtPosition, "Truck Position:"},
        {aid->txtAzimuth, "Azimuth:"},
        {aid->txtElevation, "Elevation:"},
        {aid->txtHorizon, "Horizon:"},
        {aid->txtMagneticAzimuth, "Magnetic Azimuth:"},
        {aid->txtDeclination, "Declination:"},
        {aid->txtFeedSkew, "Feed Skew:"},
        {aid->txtRange, "Range:"},
        {aid->txtRangeKm, "Range (km):"},
    };
    for (const auto& figure : figures) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(const_cast<ValueBox*>(figure.box));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), figure.name);
        EXPECT_EQ(accessible->text(QAccessible::Value), figure.box->text()) << figure.name;
        EXPECT_TRUE(figure.box->isReadOnly());
    }
    EXPECT_EQ(aid->txtDeclination->accessibleDescription(), "WMM2025, 2026-12-07");
    EXPECT_EQ(aid->txtFeedSkew->accessibleDescription(), "seen from behind the dish");

    // The caption a screen reader says follows the main window's.
    test::WritableState(*form).Settings.AzOffset = 1;
    form->Calculate();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(aid->txtAzimuth)->text(QAccessible::Name),
              "Adjusted Azimuth:");

    QWidget* focus = aid->txtSatellite;
    std::vector<std::string> order;
    for (int i = 0; i < 11; ++i) {
        order.push_back(focus->objectName().toStdString());
        focus = focus->nextInFocusChain();
        // Tab passes over what takes no focus and what is hidden (the height of a typed
        // position).
        while (focus->focusPolicy() == Qt::NoFocus || !focus->isVisibleTo(aid)) {
            focus = focus->nextInFocusChain();
        }
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"txtSatellite", "txtPosition", "txtAzimuth", "txtElevation",
                                        "txtHorizon", "txtMagneticAzimuth", "txtDeclination",
                                        "txtFeedSkew", "txtRange", "txtRangeKm", "cmdPrintSheet"}));
}

// Ctrl+C copies the crew sheet, also while a figure has the focus.
TEST_F(PointingWindowTest, CtrlCCopiesTheSheet) {
    StartOnSamples();
    OpenAid();
    for (QWidget* target : {static_cast<QWidget*>(aid), static_cast<QWidget*>(aid->txtAzimuth),
                            static_cast<QWidget*>(aid->cmdPrintSheet)}) {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), ToQString(aid->Sheet().PlainText()))
            << target->objectName().toStdString();
    }
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Atlanta, GA\n"));
}

}  // namespace
}  // namespace tarvo::testing
