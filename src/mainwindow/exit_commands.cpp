// Exit, from the button and from the File menu, and closing the window by its frame:
// no question, nothing saved.

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

    QApplication::closeAllWindows();
    QCoreApplication::quit();
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
