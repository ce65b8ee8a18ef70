// The sky view beside the main window on the sample data: what a screen reader gets from
// it, the horizon mask edited from it, and a satellite chosen in it reaching the main
// window's boxes.

#include "aidwindows/frm_sky_view.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "aidsettings/aid_settings_store.h"
#include "aidwindows/frm_horizon.h"
#include "aidwindows/sky_panorama.h"
#include "common/fixed_text.h"
#include "platform/check_box.h"
#include "platform/option_button.h"
#include "pointing_fixture.h"
#include "support/file_bytes.h"

namespace tarvo::testing {
namespace {

std::vector<std::string> Lines(const QString& text) {
    std::vector<std::string> lines;
    std::istringstream in(FromQString(text));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class SkyViewTest : public PointingTest {
  protected:
    frmSkyView* OpenView() {
        test::Find<QAction>(*form, "mnuSkyView")->trigger();
        frmSkyView* view = form->SkyViewWindow();
        QApplication::processEvents();  // laid out at its size
        return view;
    }

    // The mask of "Atlanta, GA": up from 20 degrees at 150 to 40 at 250, and back down
    // across north.
    void SaveAtlantaMask() {
        AidSettings settings = form->aidSettings().Settings();
        settings.Horizon.SetMask("Atlanta, GA", {{150, 20}, {250, 40}});
        form->aidSettings().Save(settings);
    }
};

// The look angles from Atlanta (84.39 W, 33.75 N) worked with the main window's formula
// on a calculator (as in the sky scene's test); the mask between its points is
// 20 + 20 x (az - 150)/100, and below 150 it comes across north from (250, 40):
// 40 - 20 x (az + 360 - 250)/260.
TEST_F(SkyViewTest, AScreenReaderGetsTheSampleCatalogueOverTheMask) {
    StartOnSamples();
    SaveAtlantaMask();
    frmSkyView* view = OpenView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "SNG Tarvo - Sky View");

    const std::vector<std::string> lines = Lines(view->picSky->accessibleDescription());
    ASSERT_EQ(lines.size(), 25u);
    // Today's sun last.
    EXPECT_EQ(lines[24].rfind("Sun: rises ", 0), 0u) << lines[24];
    EXPECT_EQ(view->lblSun->text().toStdString(), lines[24]);
    EXPECT_EQ(lines[0],
              "From Atlanta, GA (84.39 W, 33.75 N), horizon mask of 2 points, 23 satellites.");
    EXPECT_EQ(view->lblPlace->text().toStdString(), lines[0]);
    // 144.815: mask 40 - 20 x 254.815/260 = 20.399; 44.542 - 20.399 = 24.143.
    EXPECT_EQ(lines[1],
              "Telstar 19 VANTAGE: azimuth 144.8, elevation 44.5, clear by 24.1, on the look list");
    // 222.166: mask 20 + 20 x 72.166/100 = 34.433; 41.455 - 34.433 = 7.022.
    EXPECT_EQ(lines[13], "Anik F2: azimuth 222.2, elevation 41.5, clear by 7.0, on the look list");
    // 230.85: mask 36.170; 36.381 - 36.170 = 0.211.
    EXPECT_EQ(lines[15], "Anik F3: azimuth 230.9, elevation 36.4, clear by 0.2");
    // 233.211: mask 36.642; 34.727 - 36.642 = -1.915, the first one behind the mask.
    EXPECT_EQ(lines[16], "Galaxy 31: azimuth 233.2, elevation 34.7, blocked by 1.9");
    // 245.478: mask 39.096; 23.896 - 39.096 = -15.200.
    EXPECT_EQ(lines[23], "SES-22: azimuth 245.5, elevation 23.9, blocked by 15.2");

    // The list reads the same lines, one item each, under its label's words.
    QAbstractItemModel* list = view->lstSatellites->model();
    ASSERT_EQ(list->rowCount(), 23);
    for (int row : {0, 12, 15, 22}) {
        EXPECT_EQ(list->index(row, 0).data(Qt::AccessibleTextRole).toString().toStdString(),
                  lines[static_cast<std::size_t>(row) + 1]);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(view->lstSatellites)->text(QAccessible::Name),
              "Satellites, east to west");
    // The satellite the main window shows is picked to begin with.
    EXPECT_EQ(view->lblPicked->text().toStdString(),
              "Galaxy 19: azimuth 201.9, elevation 48.5, clear by 18.1, on the look list, shown "
              "in the main window");

    // Tab goes from the panorama to the list to the button.
    QWidget* focus = view->picSky;
    std::vector<std::string> order;
    for (int i = 0; i < 3; ++i, focus = focus->nextInFocusChain()) {
        while (focus->focusPolicy() == Qt::NoFocus) {
            focus = focus->nextInFocusChain();
        }
        order.push_back(focus->objectName().toStdString());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"picSky", "lstSatellites", "cmdEditHorizon"}));
}

// A mask typed in the horizon window opened from the view: the view takes it when it is
// saved, and it is in pointing.ini for the next start.
TEST_F(SkyViewTest, AMaskSavedFromTheViewIsDrawnAtOnceAndKept) {
    StartOnSamples();
    frmSkyView* view = OpenView();
    EXPECT_EQ(Lines(view->picSky->accessibleDescription())[16],
              "Galaxy 31: azimuth 233.2, elevation 34.7, clear by 34.7");

    view->cmdEditHorizon->click();
    frmHorizon* horizon = view->HorizonWindow();
    ASSERT_NE(horizon, nullptr);
    EXPECT_EQ(horizon->LocationName(), "Atlanta, GA");
    for (const auto& [azimuth, elevation] : {std::pair{"150", "20"}, std::pair{"250", "40"}}) {
        horizon->cmdAdd->click();
        const int row = horizon->grdPoints->rowCount() - 1;
        horizon->grdPoints->item(row, 0)->setText(azimuth);
        horizon->grdPoints->item(row, 1)->setText(elevation);
    }
    horizon->cmdSave->click();
    EXPECT_EQ(Lines(view->picSky->accessibleDescription())[16],
              "Galaxy 31: azimuth 233.2, elevation 34.7, blocked by 1.9");
    EXPECT_EQ(view->Scene().mask.size(), 2u);

    const AidSettingsStore restarted;
    EXPECT_EQ(restarted.Settings().Horizon.MaskFor("Atlanta, GA").size(), 2u);

    // A position typed by hand belongs to no location: no mask to edit, and the crew is
    // told why.
    Enter("97", "100", "40");
    test::Find<QPushButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(view->lblPlace->text(), "From 100 W, 40 N, flat horizon, 23 satellites.");
    horizon->close();
    const std::size_t told = platform.messages().size();
    view->cmdEditHorizon->click();
    ASSERT_EQ(platform.messages().size(), told + 1);
    EXPECT_EQ(platform.lastMessage().text,
              "A horizon mask belongs to a location of the location list: choose one in the "
              "main window first.");
}

// Each way of choosing shows the satellite in the main window's boxes, as its entry in
// the name list does: the figures are those worked out above.
TEST_F(SkyViewTest, ASatelliteChosenInTheViewReachesTheMainWindow) {
    enum class How { Click, PanoramaKeys, ListKeys };
    const struct {
        How how;
        bool alphabetical;
        const char* name;
        const char* slot;
        const char* azimuth;
        const char* elevation;
        int lookList;
    } cases[] = {
        {How::Click, true, "Anik F2", "111.1", "222.166", "41.455", 1},
        {How::Click, false, "Galaxy 31", "121", "233.211", "34.727", 0},
        {How::PanoramaKeys, true, "Galaxy 16", "99", "205.135", "47.73", 0},
        {How::ListKeys, false, "SES-1", "101", "208.233", "46.889", 1},
    };
    StartOnSamples();
    frmSkyView* view = OpenView();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        (c.alphabetical ? test::Find<OptionButton>(*form, "optAlpha")
                        : test::Find<OptionButton>(*form, "optArc"))
            ->userClick();
        const auto& satellites = view->Scene().satellites;
        const auto it = std::find_if(satellites.begin(), satellites.end(),
                                     [&](const SkySatellite& s) { return s.name == c.name; });
        ASSERT_NE(it, satellites.end());
        const int index = static_cast<int>(it - satellites.begin());
        switch (c.how) {
            case How::Click:
                QTest::mouseClick(
                    view->picSky, Qt::LeftButton, {},
                    SkyPanorama::Place(view->picSky->size(), it->azimuth, it->elevation).toPoint());
                break;
            case How::PanoramaKeys:  // the most easterly, then west one at a time
                QTest::keyClick(view->picSky, Qt::Key_Home);
                for (int i = 0; i < index; ++i) {
                    QTest::keyClick(view->picSky, Qt::Key_Right);
                }
                EXPECT_EQ(view->lblPicked->text().left(10), "Galaxy 16:");
                QTest::keyClick(view->picSky, Qt::Key_Return);
                break;
            case How::ListKeys:
                view->lstSatellites->setFocus();
                view->lstSatellites->setCurrentIndex(view->lstSatellites->model()->index(0, 0));
                for (int i = 0; i < index; ++i) {
                    QTest::keyClick(view->lstSatellites, Qt::Key_Down);
                }
                QTest::keyClick(view->lstSatellites, Qt::Key_Return);
                break;
        }
        EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), c.name);
        EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), c.slot);
        EXPECT_EQ(test::Find<TextBox>(*form, "txtAzimuth")->text(), c.azimuth);
        EXPECT_EQ(test::Find<TextBox>(*form, "txtElevation")->text(), c.elevation);
        EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), c.lookList);
        // The view follows: the satellite chosen is the one shown, and still picked.
        EXPECT_TRUE(view->Scene().satellites[static_cast<std::size_t>(index)].shown);
        EXPECT_EQ(view->lblPicked->text().left(static_cast<int>(std::strlen(c.name)) + 1),
                  QString::fromLatin1(c.name) + ":");
    }
}

// A default satellite that no catalogue row holds (a file edited by hand) is in the view
// too, and chosen there it is shown as the start-up shows it. 101.5 W from Atlanta:
// azimuth 208.990, elevation 46.665 by the same formula.
TEST_F(SkyViewTest, ADefaultOutsideTheCatalogueIsShownAsAtStartUp) {
    for (const auto& entry : std::filesystem::directory_iterator(TARVO_SAMPLES)) {
        std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
    }
    std::string sat = test::ReadBytes(folder.file("tarvo.sat"));
    const std::string galaxy = "\"Galaxy 19                \"\r\n97\r\n1\r\n";
    ASSERT_EQ(sat.substr(0, galaxy.size()), galaxy);
    sat.replace(0, galaxy.size(), "\"Home bird                \"\r\n101.5\r\n0\r\n");
    test::WriteBytes(folder.file("tarvo.sat"), sat);
    form->Form_Load();
    frmSkyView* view = OpenView();
    const auto& satellites = view->Scene().satellites;
    ASSERT_EQ(satellites.size(), 24u);
    const auto home = std::find_if(satellites.begin(), satellites.end(),
                                   [](const SkySatellite& s) { return s.row == 0; });
    ASSERT_NE(home, satellites.end());
    EXPECT_EQ(SkySatelliteText(*home),
              "Home bird: azimuth 209.0, elevation 46.7, clear by 46.7, "
              "shown in the main window");
    const int index = static_cast<int>(home - satellites.begin());
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(0);  // another satellite first: a new scene, in the same order
    ASSERT_NE(TrimSpaces(test::Find<ComboBox>(*form, "cboSatName")->text()), "Home bird");
    view->ChooseSatellite(index);
    EXPECT_EQ(TrimSpaces(test::Find<ComboBox>(*form, "cboSatName")->text()), "Home bird");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "101.5");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtAzimuth")->text(), "208.99");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtElevation")->text(), "46.665");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
}

TEST_F(SkyViewTest, OneModelessWindowFromTheMenu) {
    StartOnSamples();
    test::Find<QAction>(*form, "mnuSkyView")->trigger();
    frmSkyView* first = form->SkyViewWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isWindow());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    test::Find<QAction>(*form, "mnuSkyView")->trigger();
    EXPECT_EQ(form->SkyViewWindow(), first);
    EXPECT_EQ(form->findChildren<frmSkyView*>().size(), 1);
    QTest::keyClick(first, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->SkyViewWindow(), nullptr);
    test::Find<QAction>(*form, "mnuSkyView")->trigger();
    EXPECT_NE(form->SkyViewWindow(), nullptr);
}

}  // namespace
}  // namespace tarvo::testing
