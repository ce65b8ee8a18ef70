#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "form_fixture.h"
#include "mainwindow/updating_guard.h"
#include "platform/check_box.h"
#include "platform/option_button.h"

namespace tarvo::testing {
namespace {

using LayoutTest = FormTest;

TEST_F(LayoutTest, EveryControlIsFoundByItsName) {
    const std::map<std::string, QWidget*> controls = {
        {"frmSatelliteLocation", test::Find<QGroupBox>(*form, "frmSatelliteLocation")},
        {"lblPresetSatellites", test::Find<Label>(*form, "lblPresetSatellites")},
        {"cboSatName", test::Find<ComboBox>(*form, "cboSatName")},
        {"optAlpha", test::Find<OptionButton>(*form, "optAlpha")},
        {"optArc", test::Find<OptionButton>(*form, "optArc")},
        {"lblSatelliteLocation", test::Find<Label>(*form, "lblSatelliteLocation")},
        {"cboSatLong", test::Find<ComboBox>(*form, "cboSatLong")},
        {"lblLookList", test::Find<Label>(*form, "lblLookList")},
        {"chkLookList", test::Find<CheckBox>(*form, "chkLookList")},
        {"imgSatTruck", test::Find<QLabel>(*form, "imgSatTruck")},
        {"frmCoordinates", test::Find<QGroupBox>(*form, "frmCoordinates")},
        {"lblPresetLocations", test::Find<Label>(*form, "lblPresetLocations")},
        {"cboLocations", test::Find<ComboBox>(*form, "cboLocations")},
        {"lblLongitude", test::Find<Label>(*form, "lblLongitude")},
        {"txtLongitude", test::Find<TextBox>(*form, "txtLongitude")},
        {"lblLatitude", test::Find<Label>(*form, "lblLatitude")},
        {"txtLatitude", test::Find<TextBox>(*form, "txtLatitude")},
        {"frmLookAngle", test::Find<QGroupBox>(*form, "frmLookAngle")},
        {"lblElevation", test::Find<Label>(*form, "lblElevation")},
        {"txtElevation", test::Find<TextBox>(*form, "txtElevation")},
        {"lblAzimuth", test::Find<Label>(*form, "lblAzimuth")},
        {"txtAzimuth", test::Find<TextBox>(*form, "txtAzimuth")},
        {"lblRange", test::Find<Label>(*form, "lblRange")},
        {"txtRange", test::Find<TextBox>(*form, "txtRange")},
        {"cmdCalculate", test::Find<QPushButton>(*form, "cmdCalculate")},
        {"cmdPrintLookList", test::Find<QPushButton>(*form, "cmdPrintLookList")},
        {"cmdDisplayLookList", test::Find<QPushButton>(*form, "cmdDisplayLookList")},
        {"cmdSaveLocation", test::Find<QPushButton>(*form, "cmdSaveLocation")},
        {"cmdExit", test::Find<QPushButton>(*form, "cmdExit")},
    };
    for (const auto& [name, widget] : controls) {
        SCOPED_TRACE(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(form->findChild<QWidget*>(QString::fromStdString(name)), widget);
    }
    EXPECT_EQ(form->objectName(), "frmSatellite");
}

TEST_F(LayoutTest, Captions) {
    EXPECT_EQ(form->windowTitle(), "SNG Tarvo");
    EXPECT_EQ(test::Find<QGroupBox>(*form, "frmSatelliteLocation")->title(), "Satellite Location");
    EXPECT_EQ(test::Find<QGroupBox>(*form, "frmCoordinates")->title(), "Truck Location");
    EXPECT_EQ(test::Find<QGroupBox>(*form, "frmLookAngle")->title(), "Look Angle");

    EXPECT_EQ(test::Find<Label>(*form, "lblPresetSatellites")->caption(), "Satellite:");
    EXPECT_EQ(test::Find<Label>(*form, "lblSatelliteLocation")->caption(), "West Longitude:");
    EXPECT_EQ(test::Find<Label>(*form, "lblLookList")->caption(), "Include in Look List:");
    EXPECT_EQ(test::Find<Label>(*form, "lblPresetLocations")->caption(), "Location:");
    EXPECT_EQ(test::Find<Label>(*form, "lblLongitude")->caption(), "West Long:");
    EXPECT_EQ(test::Find<Label>(*form, "lblLatitude")->caption(), "North Lat:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Elevation:");
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblRange")->caption(), "Range:");

    EXPECT_EQ(test::Find<OptionButton>(*form, "optAlpha")->text(), "Alpha");
    EXPECT_EQ(test::Find<OptionButton>(*form, "optArc")->text(), "Arc");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->text(), "");

    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdCalculate")->text(), "Calculate");
    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdPrintLookList")->text(), "Print Look List");
    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdDisplayLookList")->text(), "Display Look List");
    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdSaveLocation")->text(), "Save New Location");
    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdExit")->text(), "Exit");
}

// Twips divided by 15 give the logical pixels.
TEST_F(LayoutTest, PositionsInsideTheirContainers) {
    EXPECT_EQ(test::Find<QGroupBox>(*form, "frmSatelliteLocation")->geometry(),
              QRect(8, 8, 353, 73));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->geometry(), QRect(16, 40, 169, 21));
    EXPECT_EQ(test::Find<OptionButton>(*form, "optAlpha")->geometry(), QRect(80, 23, 49, 17));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->geometry(), QRect(192, 40, 73, 21));
    EXPECT_EQ(test::Find<Label>(*form, "lblLookList")->geometry(), QRect(275, 35, 49, 25));
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->geometry(), QRect(328, 45, 17, 17));
    EXPECT_EQ(test::Find<QLabel>(*form, "imgSatTruck")->geometry(), QRect(384, 0, 121, 85));
    EXPECT_EQ(test::Find<QGroupBox>(*form, "frmCoordinates")->geometry(), QRect(8, 96, 497, 73));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->geometry(), QRect(16, 40, 273, 21));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->geometry(),
              QRect(296, 40, 89, 19));  // left of latitude
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->geometry(), QRect(392, 40, 89, 19));
    EXPECT_EQ(test::Find<QGroupBox>(*form, "frmLookAngle")->geometry(), QRect(8, 184, 497, 81));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->geometry(), QRect(176, 24, 121, 17));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtAzimuth")->geometry(), QRect(176, 40, 137, 31));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtRange")->geometry(), QRect(344, 40, 137, 31));
    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdCalculate")->geometry(), QRect(8, 272, 81, 25));
    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdExit")->geometry(), QRect(432, 272, 73, 25));

    EXPECT_EQ(test::Find<TextBox>(*form, "txtAzimuth")->parentWidget(),
              test::Find<QGroupBox>(*form, "frmLookAngle"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->parentWidget(),
              test::Find<QGroupBox>(*form, "frmSatelliteLocation"));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->parentWidget(),
              test::Find<QGroupBox>(*form, "frmCoordinates"));
    EXPECT_EQ(test::Find<QPushButton>(*form, "cmdExit")->parentWidget(), form->centralWidget());
}

TEST_F(LayoutTest, FixedClientAreaOnLightGrey) {
    form->show();
    // 7710 x 4530 twips.
    EXPECT_EQ(form->centralWidget()->size(), QSize(514, 302));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_TRUE(form->centralWidget()->autoFillBackground());
}

TEST_F(LayoutTest, Fonts) {
    for (TextBox* box :
         {test::Find<TextBox>(*form, "txtElevation"), test::Find<TextBox>(*form, "txtAzimuth"),
          test::Find<TextBox>(*form, "txtRange")}) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_TRUE(box->font().bold());
        EXPECT_EQ(box->font().pointSize(), 18);
        EXPECT_TRUE(box->font().families().contains("Arial"));
    }
    for (QGroupBox* frame : {test::Find<QGroupBox>(*form, "frmSatelliteLocation"),
                             test::Find<QGroupBox>(*form, "frmCoordinates"),
                             test::Find<QGroupBox>(*form, "frmLookAngle")}) {
        SCOPED_TRACE(frame->objectName().toStdString());
        EXPECT_TRUE(frame->font().bold());
        EXPECT_EQ(frame->font().pointSize(), 12);
        EXPECT_TRUE(frame->font().families().contains("MS Sans Serif"));
    }
    // Everything else keeps the default font, also inside a frame.
    const QFont plain = test::Find<QPushButton>(*form, "cmdCalculate")->font();
    for (QWidget* w : std::vector<QWidget*>{
             test::Find<Label>(*form, "lblAzimuth"), test::Find<TextBox>(*form, "txtLatitude"),
             test::Find<ComboBox>(*form, "cboSatName"), test::Find<OptionButton>(*form, "optAlpha"),
             test::Find<Label>(*form, "lblLookList"), test::Find<CheckBox>(*form, "chkLookList")}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(w->font().bold());
        EXPECT_EQ(w->font().pointSizeF(), plain.pointSizeF());
    }
}

TEST_F(LayoutTest, Lists) {
    EXPECT_TRUE(test::Find<ComboBox>(*form, "cboSatName")->isEditable());
    EXPECT_TRUE(test::Find<ComboBox>(*form, "cboSatLong")->isEditable());
    EXPECT_TRUE(test::Find<ComboBox>(*form, "cboLocations")->isEditable());

    // The location list keeps its names in alphabetical order, ignoring case; the
    // satellite lists keep the order in which the program adds.
    for (const char* name : {"harbour", "Airport", "depot"}) {
        test::Find<ComboBox>(*form, "cboLocations")->addItem(name);
        test::Find<ComboBox>(*form, "cboSatName")->addItem(name);
    }
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->itemText(0), "Airport");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->itemText(1), "depot");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->itemText(2), "harbour");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->itemText(0), "harbour");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->itemText(2), "depot");
}

// The truck keeps its 113 x 85 logical pixels on every screen and is drawn at the
// screen's resolution (twice as many pixels each way at a device scale of 2).
TEST_F(LayoutTest, PictureFollowsTheScreen) {
    const QPixmap truck = test::Find<QLabel>(*form, "imgSatTruck")->pixmap();
    EXPECT_EQ(truck.deviceIndependentSize(), QSizeF(113, 85));
    EXPECT_EQ(truck.devicePixelRatio(), qApp->devicePixelRatio());
}

std::vector<std::string> Names(const std::vector<QWidget*>& widgets) {
    std::vector<std::string> names;
    for (QWidget* w : widgets) {
        names.push_back(w->objectName().toStdString());
    }
    return names;
}

// The order in which Tab visits the controls (a cycle).
TEST_F(LayoutTest, TabOrder) {
    const std::vector<QWidget*> expected = {test::Find<ComboBox>(*form, "cboLocations"),
                                            test::Find<TextBox>(*form, "txtLongitude"),
                                            test::Find<TextBox>(*form, "txtLatitude"),
                                            test::Find<ComboBox>(*form, "cboSatName"),
                                            test::Find<ComboBox>(*form, "cboSatLong"),
                                            test::Find<CheckBox>(*form, "chkLookList"),
                                            test::Find<QPushButton>(*form, "cmdCalculate"),
                                            test::Find<QPushButton>(*form, "cmdPrintLookList"),
                                            test::Find<QPushButton>(*form, "cmdDisplayLookList"),
                                            test::Find<QPushButton>(*form, "cmdSaveLocation"),
                                            test::Find<QPushButton>(*form, "cmdExit"),
                                            test::Find<TextBox>(*form, "txtElevation"),
                                            test::Find<TextBox>(*form, "txtAzimuth"),
                                            test::Find<TextBox>(*form, "txtRange"),
                                            test::Find<OptionButton>(*form, "optAlpha"),
                                            test::Find<OptionButton>(*form, "optArc")};
    std::vector<QWidget*> visited;
    QWidget* w = test::Find<ComboBox>(*form, "cboLocations");
    do {
        if (std::find(expected.begin(), expected.end(), w) != expected.end() &&
            std::find(visited.begin(), visited.end(), w) == visited.end()) {
            visited.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != test::Find<ComboBox>(*form, "cboLocations") && visited.size() < expected.size());
    EXPECT_EQ(Names(visited), Names(expected));

    // The window opens with the focus in the location list.
    QWidget* focus = form->focusWidget();
    EXPECT_TRUE(focus == test::Find<ComboBox>(*form, "cboLocations") ||
                focus == test::Find<ComboBox>(*form, "cboLocations")->lineEdit());

    // Frames and labels take no focus; the boxes do.
    EXPECT_EQ(test::Find<QGroupBox>(*form, "frmCoordinates")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(test::Find<Label>(*form, "lblLatitude")->focusPolicy(), Qt::NoFocus);
    EXPECT_NE(test::Find<TextBox>(*form, "txtLatitude")->focusPolicy(), Qt::NoFocus);
}

// The list order restored from the settings decides which option button Tab reaches:
// the selected one, from the result boxes and backwards from the first control.
TEST_F(LayoutTest, TabReachesTheSelectedOrderOption) {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const auto keyFrom = [](QWidget* from, Qt::KeyboardModifiers modifiers) {
        from->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        return QApplication::focusWidget();
    };
    for (OptionButton* selected :
         {test::Find<OptionButton>(*form, "optArc"), test::Find<OptionButton>(*form, "optAlpha")}) {
        SCOPED_TRACE(selected->objectName().toStdString());
        {
            UpdatingGuard updating(test::WritableState(*form).Updating);  // as start-up selects it
            selected->setValue(true);
        }
        EXPECT_EQ(keyFrom(test::Find<TextBox>(*form, "txtRange"), Qt::NoModifier), selected);
        QWidget* next = keyFrom(selected, Qt::NoModifier);
        EXPECT_TRUE(next == test::Find<ComboBox>(*form, "cboLocations") ||
                    next == test::Find<ComboBox>(*form, "cboLocations")->lineEdit());
        EXPECT_EQ(keyFrom(test::Find<ComboBox>(*form, "cboLocations"), Qt::ShiftModifier),
                  selected);
        EXPECT_EQ(keyFrom(selected, Qt::ShiftModifier), test::Find<TextBox>(*form, "txtRange"));
    }
}

// Enter on a focused command button presses it, as the space bar does.
TEST_F(LayoutTest, EnterPressesTheFocusedCommandButton) {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // Exit is pressed by Enter in the exit tests: it ends the event loop.
    for (QPushButton* button : {test::Find<QPushButton>(*form, "cmdCalculate"),
                                test::Find<QPushButton>(*form, "cmdPrintLookList"),
                                test::Find<QPushButton>(*form, "cmdDisplayLookList"),
                                test::Find<QPushButton>(*form, "cmdSaveLocation")}) {
        SCOPED_TRACE(button->objectName().toStdString());
        button->setEnabled(true);
        int presses = 0;
        const auto connection =
            QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(presses, 3);
        QObject::disconnect(connection);
    }

    // Enter on Calculate calculates.
    Enter("101", "100", "40");
    test::Find<QPushButton>(*form, "cmdCalculate")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(test::Find<QPushButton>(*form, "cmdCalculate"), Qt::Key_Return);
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

TEST_F(LayoutTest, BoxesAreNamedByTheirLabels) {
    EXPECT_EQ(AccessibleName(test::Find<TextBox>(*form, "txtLongitude")), "West Long:");
    EXPECT_EQ(AccessibleName(test::Find<TextBox>(*form, "txtLatitude")), "North Lat:");
    EXPECT_EQ(AccessibleName(test::Find<TextBox>(*form, "txtElevation")), "Elevation:");
    EXPECT_EQ(AccessibleName(test::Find<TextBox>(*form, "txtAzimuth")), "Azimuth:");
    EXPECT_EQ(AccessibleName(test::Find<TextBox>(*form, "txtRange")), "Range:");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->accessibleName(), "Satellite:");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->accessibleName(), "West Longitude:");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->accessibleName(), "Location:");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->accessibleName(),
              "Include in Look List:");

    EXPECT_EQ(test::Find<Label>(*form, "lblLatitude")->buddy(),
              test::Find<TextBox>(*form, "txtLatitude"));
    EXPECT_EQ(test::Find<Label>(*form, "lblSatelliteLocation")->buddy(),
              test::Find<ComboBox>(*form, "cboSatLong"));
    EXPECT_EQ(test::Find<Label>(*form, "lblRange")->buddy(),
              test::Find<TextBox>(*form, "txtRange"));

    // The name follows the caption when an offset is added.
    test::WritableState(*form).Settings.AzOffset = 2.5;
    CalculateFor("101", "100", "40");
    EXPECT_EQ(AccessibleName(test::Find<TextBox>(*form, "txtAzimuth")), "Adjusted Azimuth:");
}

}  // namespace
}  // namespace tarvo::testing
