#pragma once

#include "mainwindow/frm_satellite.h"
#include "mainwindow/main_window_state.h"

namespace tarvo::test {

// The tests' one door into what the main window keeps to itself: its state, for the
// few cases that put the window in a condition the crew cannot reach through its
// controls (a setting changed behind the open window, the program's own write under
// way, a catalogue of a size no file on disk holds). Never used by the program.
struct MainWindowAccess {
    static MainWindowState& State(frmSatellite& window) { return window.state_; }
};

// The main window's state, for writing, through the tests' door.
inline MainWindowState& WritableState(frmSatellite& window) {
    return MainWindowAccess::State(window);
}

}  // namespace tarvo::test
