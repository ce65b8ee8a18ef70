// Exit, from the button and from the File menu: no question, nothing saved.

#include <QApplication>
#include <QCoreApplication>

#include "mainwindow/frm_satellite.h"

namespace tarvo {

void frmSatellite::cmdExit_Click() {
    ExitProgram();
}

void frmSatellite::mnuExit_Click() {
    ExitProgram();
}

void frmSatellite::ExitProgram() {
    // The files the program holds open are closed first (the location file, once the
    // location commands keep one open).

    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

}  // namespace tarvo
