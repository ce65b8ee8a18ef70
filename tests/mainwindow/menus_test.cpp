#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

#include "form_fixture.h"

namespace tarvo::testing {
namespace {

using MenusTest = FormTest;

// A menu's items as "name=caption", a separator as "-".
std::vector<std::string> Items(QMenu* menu) {
    std::vector<std::string> items;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            items.push_back("-");
        } else {
            items.push_back(item->objectName().toStdString() + "=" + item->text().toStdString());
        }
    }
    return items;
}

TEST_F(MenusTest, MenuBar) {
    std::vector<std::string> titles;
    for (QAction* menu : form->menuBar()->actions()) {
        titles.push_back(menu->text().toStdString());
    }
    // The pointing aid's menu stands between the specified Satellites and Help.
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Locations", "&Satellites", "&Pointing",
                                                "&Help"}));
    EXPECT_EQ(test::Find<QMenu>(*form, "mnuFile")->objectName(), "mnuFile");
    EXPECT_EQ(test::Find<QMenu>(*form, "mnuLocations")->objectName(), "mnuLocations");
    EXPECT_EQ(test::Find<QMenu>(*form, "mnuSatellites")->objectName(), "mnuSatellites");
    EXPECT_EQ(test::Find<QMenu>(*form, "mnuPointing")->objectName(), "mnuPointing");
    EXPECT_EQ(test::Find<QMenu>(*form, "mnuHelp")->objectName(), "mnuHelp");
}

TEST_F(MenusTest, ItemsInOrder) {
    EXPECT_EQ(Items(test::Find<QMenu>(*form, "mnuFile")),
              (std::vector<std::string>{
                  "mnuNewSatFile=New Satellite File", "mnuSaveSatFileAs=Save Satellite File As",
                  "mnuOpenSatFile=Open Satellite File", "-", "mnuNewLocFile=New Location File",
                  "mnuSaveLocFileAs=Save Location File As", "mnuOpenLocFile=Open Location File",
                  "-", "mnuPreferences=Edit Preferences", "-", "mnuExit=E&xit"}));
    EXPECT_EQ(Items(test::Find<QMenu>(*form, "mnuLocations")),
              (std::vector<std::string>{"mnuLocationDefault=Set Current Location as &Default", "-",
                                        "mnuAddLocation=&Add New Location to File",
                                        "mnuSaveLocation=&Save Changes to Current Location", "-",
                                        "mnuDeleteLocation=Delete &Current Location"}));
    EXPECT_EQ(Items(test::Find<QMenu>(*form, "mnuSatellites")),
              (std::vector<std::string>{"mnuSatelliteDefault=Set Current Satellite as &Default",
                                        "-", "mnuAddSatellite=&Add New Satellite to File",
                                        "mnuSaveSatellite=&Save Changes to Current Satellite", "-",
                                        "mnuDeleteSatellite=Delete &Current Satellite"}));
    EXPECT_EQ(Items(test::Find<QMenu>(*form, "mnuPointing")),
              (std::vector<std::string>{"mnuPointingAid=Pointing &Aid", "mnuSkyView=&Sky View",
                                        "mnuSunOutages=S&un Outages", "-",
                                        "mnuGpsPosition=Position from &GPS"}));
    EXPECT_EQ(
        Items(test::Find<QMenu>(*form, "mnuHelp")),
        (std::vector<std::string>{"mnuCallHelp=&Help Files", "-", "mnuAbout=About S.N.G. Tarvo"}));
}

TEST_F(MenusTest, MembersAreTheItemsAndNoneHasAShortcutKey) {
    EXPECT_EQ(form->findChild<QAction*>("mnuDeleteLocation"),
              test::Find<QAction>(*form, "mnuDeleteLocation"));
    EXPECT_EQ(form->findChild<QAction*>("mnuAbout"), test::Find<QAction>(*form, "mnuAbout"));
    EXPECT_EQ(form->findChild<QAction*>("mnuExit"), test::Find<QAction>(*form, "mnuExit"));
    for (QMenu* menu :
         {test::Find<QMenu>(*form, "mnuFile"), test::Find<QMenu>(*form, "mnuLocations"),
          test::Find<QMenu>(*form, "mnuSatellites"), test::Find<QMenu>(*form, "mnuPointing"),
          test::Find<QMenu>(*form, "mnuHelp")}) {
        for (QAction* item : menu->actions()) {
            SCOPED_TRACE(item->text().toStdString());
            EXPECT_TRUE(item->shortcut().isEmpty());
            EXPECT_TRUE(item->isEnabled());
        }
    }
}

}  // namespace
}  // namespace tarvo::testing
