// Exit, from the button and from the File menu, and closing the window by its frame:
// no question, nothing saved. Exit ends the program at once; the frame's close control
// closes the other windows first.

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

#include "mainwindow/frm_satellite.h"

namespace tarvo {

void frmSatellite::cmdExit_Click() {
    ExitProgram();
}

void frmSatellite::mnuExit_Click() {
    ExitProgram();
}

void frmSatellite::ExitProgram() {
    // The location file is the one file the program keeps open.
    state_.LocFile.reset();

    // The event loop is left as soon as this handler returns, and main() ends the
    // program with every window in it. No window is asked to close: the close handlers
    // of the other windows (and this window's own) do not run, and no event is
    // processed any more. Keep this the last statement of every caller.
    QCoreApplication::exit(0);
}

// The frame's close control ends the program too: the other windows (look list,
// preferences) would have nothing to work on without this one.
void frmSatellite::closeEvent(QCloseEvent* event) {
    state_.LocFile.reset();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    event->accept();
    QCoreApplication::quit();
}

}  // namespace tarvo
