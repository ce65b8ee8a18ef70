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
        {"frmSatelliteLocation", form->frmSatelliteLocation},
        {"lblPresetSatellites", form->lblPresetSatellites},
        {"cboSatName", form->cboSatName},
        {"optAlpha", form->optAlpha},
        {"optArc", form->optArc},
        {"lblSatelliteLocation", form->lblSatelliteLocation},
        {"cboSatLong", form->cboSatLong},
        {"lblLookList", form->lblLookList},
        {"chkLookList", form->chkLookList},
        {"imgSatTruck", form->imgSatTruck},
        {"frmCoordinates", form->frmCoordinates},
        {"lblPresetLocations", form->lblPresetLocations},
        {"cboLocations", form->cboLocations},
        {"lblLongitude", form->lblLongitude},
        {"txtLongitude", form->txtLongitude},
        {"lblLatitude", form->lblLatitude},
        {"txtLatitude", form->txtLatitude},
        {"frmLookAngle", form->frmLookAngle},
        {"lblElevation", form->lblElevation},
        {"txtElevation", form->txtElevation},
        {"lblAzimuth", form->lblAzimuth},
        {"txtAzimuth", form->txtAzimuth},
        {"lblRange", form->lblRange},
        {"txtRange", form->txtRange},
        {"cmdCalculate", form->cmdCalculate},
        {"cmdPrintLookList", form->cmdPrintLookList},
        {"cmdDisplayLookList", form->cmdDisplayLookList},
        {"cmdSaveLocation", form->cmdSaveLocation},
        {"cmdExit", form->cmdExit},
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
    EXPECT_EQ(form->frmSatelliteLocation->title(), "Satellite Location");
    EXPECT_EQ(form->frmCoordinates->title(), "Truck Location");
    EXPECT_EQ(form->frmLookAngle->title(), "Look Angle");

    EXPECT_EQ(form->lblPresetSatellites->caption(), "Satellite:");
    EXPECT_EQ(form->lblSatelliteLocation->caption(), "West Longitude:");
    EXPECT_EQ(form->lblLookList->caption(), "Include in Look List:");
    EXPECT_EQ(form->lblPresetLocations->caption(), "Location:");
    EXPECT_EQ(form->lblLongitude->caption(), "West Long:");
    EXPECT_EQ(form->lblLatitude->caption(), "North Lat:");
    EXPECT_EQ(form->lblElevation->caption(), "Elevation:");
    EXPECT_EQ(form->lblAzimuth->caption(), "Azimuth:");
    EXPECT_EQ(form->lblRange->caption(), "Range:");

    EXPECT_EQ(form->optAlpha->text(), "Alpha");
    EXPECT_EQ(form->optArc->text(), "Arc");
    EXPECT_EQ(form->chkLookList->text(), "");

    EXPECT_EQ(form->cmdCalculate->text(), "Calculate");
    EXPECT_EQ(form->cmdPrintLookList->text(), "Print Look List");
    EXPECT_EQ(form->cmdDisplayLookList->text(), "Display Look List");
    EXPECT_EQ(form->cmdSaveLocation->text(), "Save New Location");
    EXPECT_EQ(form->cmdExit->text(), "Exit");
}

// Twips divided by 15 give the logical pixels.
TEST_F(LayoutTest, PositionsInsideTheirContainers) {
    EXPECT_EQ(form->frmSatelliteLocation->geometry(), QRect(8, 8, 353, 73));
    EXPECT_EQ(form->cboSatName->geometry(), QRect(16, 40, 169, 21));
    EXPECT_EQ(form->optAlpha->geometry(), QRect(80, 23, 49, 17));
    EXPECT_EQ(form->cboSatLong->geometry(), QRect(192, 40, 73, 21));
    EXPECT_EQ(form->lblLookList->geometry(), QRect(275, 35, 49, 25));
    EXPECT_EQ(form->chkLookList->geometry(), QRect(328, 45, 17, 17));
    EXPECT_EQ(form->imgSatTruck->geometry(), QRect(384, 0, 121, 85));
    EXPECT_EQ(form->frmCoordinates->geometry(), QRect(8, 96, 497, 73));
    EXPECT_EQ(form->cboLocations->geometry(), QRect(16, 40, 273, 21));
    EXPECT_EQ(form->txtLongitude->geometry(), QRect(296, 40, 89, 19));  // left of latitude
    EXPECT_EQ(form->txtLatitude->geometry(), QRect(392, 40, 89, 19));
    EXPECT_EQ(form->frmLookAngle->geometry(), QRect(8, 184, 497, 81));
    EXPECT_EQ(form->lblAzimuth->geometry(), QRect(176, 24, 121, 17));
    EXPECT_EQ(form->txtAzimuth->geometry(), QRect(176, 40, 137, 31));
    EXPECT_EQ(form->txtRange->geometry(), QRect(344, 40, 137, 31));
    EXPECT_EQ(form->cmdCalculate->geometry(), QRect(8, 272, 81, 25));
    EXPECT_EQ(form->cmdExit->geometry(), QRect(432, 272, 73, 25));

    EXPECT_EQ(form->txtAzimuth->parentWidget(), form->frmLookAngle);
    EXPECT_EQ(form->cboSatLong->parentWidget(), form->frmSatelliteLocation);
    EXPECT_EQ(form->txtLatitude->parentWidget(), form->frmCoordinates);
    EXPECT_EQ(form->cmdExit->parentWidget(), form->centralWidget());
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
    for (TextBox* box : {form->txtElevation, form->txtAzimuth, form->txtRange}) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_TRUE(box->font().bold());
        EXPECT_EQ(box->font().pointSize(), 18);
        EXPECT_TRUE(box->font().families().contains("Arial"));
    }
    for (QGroupBox* frame :
         {form->frmSatelliteLocation, form->frmCoordinates, form->frmLookAngle}) {
        SCOPED_TRACE(frame->objectName().toStdString());
        EXPECT_TRUE(frame->font().bold());
        EXPECT_EQ(frame->font().pointSize(), 12);
        EXPECT_TRUE(frame->font().families().contains("MS Sans Serif"));
    }
    // Everything else keeps the default font, also inside a frame.
    const QFont plain = form->cmdCalculate->font();
    for (QWidget* w : std::vector<QWidget*>{form->lblAzimuth, form->txtLatitude, form->cboSatName,
                                            form->optAlpha, form->lblLookList, form->chkLookList}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(w->font().bold());
        EXPECT_EQ(w->font().pointSizeF(), plain.pointSizeF());
    }
}

TEST_F(LayoutTest, Lists) {
    EXPECT_TRUE(form->cboSatName->isEditable());
    EXPECT_TRUE(form->cboSatLong->isEditable());
    EXPECT_TRUE(form->cboLocations->isEditable());

    // The location list keeps its names in alphabetical order, ignoring case; the
    // satellite lists keep the order in which the program adds.
    for (const char* name : {"harbour", "Airport", "depot"}) {
        form->cboLocations->addItem(name);
        form->cboSatName->addItem(name);
    }
    EXPECT_EQ(form->cboLocations->itemText(0), "Airport");
    EXPECT_EQ(form->cboLocations->itemText(1), "depot");
    EXPECT_EQ(form->cboLocations->itemText(2), "harbour");
    EXPECT_EQ(form->cboSatName->itemText(0), "harbour");
    EXPECT_EQ(form->cboSatName->itemText(2), "depot");
}

// The truck keeps its 113 x 85 logical pixels on every screen and is drawn at the
// screen's resolution (twice as many pixels each way at a device scale of 2).
TEST_F(LayoutTest, PictureFollowsTheScreen) {
    const QPixmap truck = form->imgSatTruck->pixmap();
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
    const std::vector<QWidget*> expected = {
        form->cboLocations,       form->txtLongitude,    form->txtLatitude,  form->cboSatName,
        form->cboSatLong,         form->chkLookList,     form->cmdCalculate, form->cmdPrintLookList,
        form->cmdDisplayLookList, form->cmdSaveLocation, form->cmdExit,      form->txtElevation,
        form->txtAzimuth,         form->txtRange,        form->optAlpha,     form->optArc};
    std::vector<QWidget*> visited;
    QWidget* w = form->cboLocations;
    do {
        if (std::find(expected.begin(), expected.end(), w) != expected.end() &&
            std::find(visited.begin(), visited.end(), w) == visited.end()) {
            visited.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != form->cboLocations && visited.size() < expected.size());
    EXPECT_EQ(Names(visited), Names(expected));

    // The window opens with the focus in the location list.
    QWidget* focus = form->focusWidget();
    EXPECT_TRUE(focus == form->cboLocations || focus == form->cboLocations->lineEdit());

    // Frames and labels take no focus; the boxes do.
    EXPECT_EQ(form->frmCoordinates->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(form->lblLatitude->focusPolicy(), Qt::NoFocus);
    EXPECT_NE(form->txtLatitude->focusPolicy(), Qt::NoFocus);
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
    for (OptionButton* selected : {form->optArc, form->optAlpha}) {
        SCOPED_TRACE(selected->objectName().toStdString());
        {
            UpdatingGuard updating(form->state().Updating);  // as start-up selects it
            selected->setValue(true);
        }
        EXPECT_EQ(keyFrom(form->txtRange, Qt::NoModifier), selected);
        QWidget* next = keyFrom(selected, Qt::NoModifier);
        EXPECT_TRUE(next == form->cboLocations || next == form->cboLocations->lineEdit());
        EXPECT_EQ(keyFrom(form->cboLocations, Qt::ShiftModifier), selected);
        EXPECT_EQ(keyFrom(selected, Qt::ShiftModifier), form->txtRange);
    }
}

// Enter on a focused command button presses it, as the space bar does.
TEST_F(LayoutTest, EnterPressesTheFocusedCommandButton) {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // Exit is pressed by Enter in the exit tests: it ends the event loop.
    for (QPushButton* button : {form->cmdCalculate, form->cmdPrintLookList,
                                form->cmdDisplayLookList, form->cmdSaveLocation}) {
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
    form->cmdCalculate->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->cmdCalculate, Qt::Key_Return);
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

TEST_F(LayoutTest, BoxesAreNamedByTheirLabels) {
    EXPECT_EQ(AccessibleName(form->txtLongitude), "West Long:");
    EXPECT_EQ(AccessibleName(form->txtLatitude), "North Lat:");
    EXPECT_EQ(AccessibleName(form->txtElevation), "Elevation:");
    EXPECT_EQ(AccessibleName(form->txtAzimuth), "Azimuth:");
    EXPECT_EQ(AccessibleName(form->txtRange), "Range:");
    EXPECT_EQ(form->cboSatName->accessibleName(), "Satellite:");
    EXPECT_EQ(form->cboSatLong->accessibleName(), "West Longitude:");
    EXPECT_EQ(form->cboLocations->accessibleName(), "Location:");
    EXPECT_EQ(form->chkLookList->accessibleName(), "Include in Look List:");

    EXPECT_EQ(form->lblLatitude->buddy(), form->txtLatitude);
    EXPECT_EQ(form->lblSatelliteLocation->buddy(), form->cboSatLong);
    EXPECT_EQ(form->lblRange->buddy(), form->txtRange);

    // The name follows the caption when an offset is added.
    form->state().Settings.AzOffset = 2.5;
    CalculateFor("101", "100", "40");
    EXPECT_EQ(AccessibleName(form->txtAzimuth), "Adjusted Azimuth:");
}

}  // namespace
}  // namespace tarvo::testing
