// The menu bar of the main window: File, Locations, Satellites, Pointing, Help. An ampersand
// marks an item's access letter; no item has a shortcut key.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "mainwindow/frm_satellite.h"

namespace tarvo {
namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void frmSatellite::BuildMenus() {
    QMenuBar* bar = menuBar();

    mnuFile = AddMenu(bar, "mnuFile", "&File");
    mnuNewSatFile = AddItem(mnuFile, "mnuNewSatFile", "New Satellite File");
    mnuSaveSatFileAs = AddItem(mnuFile, "mnuSaveSatFileAs", "Save Satellite File As");
    mnuOpenSatFile = AddItem(mnuFile, "mnuOpenSatFile", "Open Satellite File");
    AddSeparator(mnuFile, "sep5");
    mnuNewLocFile = AddItem(mnuFile, "mnuNewLocFile", "New Location File");
    mnuSaveLocFileAs = AddItem(mnuFile, "mnuSaveLocFileAs", "Save Location File As");
    mnuOpenLocFile = AddItem(mnuFile, "mnuOpenLocFile", "Open Location File");
    AddSeparator(mnuFile, "sep6");
    mnuPreferences = AddItem(mnuFile, "mnuPreferences", "Edit Preferences");
    AddSeparator(mnuFile, "sep8");
    mnuExit = AddItem(mnuFile, "mnuExit", "E&xit");

    mnuLocations = AddMenu(bar, "mnuLocations", "&Locations");
    mnuLocationDefault =
        AddItem(mnuLocations, "mnuLocationDefault", "Set Current Location as &Default");
    AddSeparator(mnuLocations, "mnuSep1");
    mnuAddLocation = AddItem(mnuLocations, "mnuAddLocation", "&Add New Location to File");
    mnuSaveLocation = AddItem(mnuLocations, "mnuSaveLocation", "&Save Changes to Current Location");
    AddSeparator(mnuLocations, "mnuSep2");
    mnuDeleteLocation = AddItem(mnuLocations, "mnuDeleteLocation", "Delete &Current Location");

    mnuSatellites = AddMenu(bar, "mnuSatellites", "&Satellites");
    mnuSatelliteDefault =
        AddItem(mnuSatellites, "mnuSatelliteDefault", "Set Current Satellite as &Default");
    AddSeparator(mnuSatellites, "mnuSep4");
    mnuAddSatellite = AddItem(mnuSatellites, "mnuAddSatellite", "&Add New Satellite to File");
    mnuSaveSatellite =
        AddItem(mnuSatellites, "mnuSaveSatellite", "&Save Changes to Current Satellite");
    AddSeparator(mnuSatellites, "mnuSep5");
    mnuDeleteSatellite = AddItem(mnuSatellites, "mnuDeleteSatellite", "Delete &Current Satellite");

    // The pointing aid's windows, beside the specified menus.
    mnuPointing = AddMenu(bar, "mnuPointing", "&Pointing");
    mnuPointingAid = AddItem(mnuPointing, "mnuPointingAid", "Pointing &Aid");
    mnuSkyView = AddItem(mnuPointing, "mnuSkyView", "&Sky View");
    mnuSunOutages = AddItem(mnuPointing, "mnuSunOutages", "S&un Outages");
    AddSeparator(mnuPointing, "mnuSepGps");
    mnuGpsPosition = AddItem(mnuPointing, "mnuGpsPosition", "Position from &GPS");

    mnuHelp = AddMenu(bar, "mnuHelp", "&Help");
    mnuCallHelp = AddItem(mnuHelp, "mnuCallHelp", "&Help Files");
    AddSeparator(mnuHelp, "mnuSep3");
    mnuAbout = AddItem(mnuHelp, "mnuAbout", "About S.N.G. Tarvo");
}

}  // namespace tarvo
