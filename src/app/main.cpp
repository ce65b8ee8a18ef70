// SNG Tarvo: look angles from a news-gathering truck to a geostationary satellite.
// No arguments; the program works in the current directory.

#include <QApplication>

#include "dialogs/frm_splash.h"
#include "mainwindow/frm_satellite.h"
#include "platform/control_font.h"
#include "platform/handler.h"
#include "platform/picture.h"
#include "platform/platform_services.h"
#include "platform/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SNG Tarvo"));
    // The menu entry's file name, so that a desktop matches the windows to it.
    QApplication::setDesktopFileName(QStringLiteral("org.example.SngTarvo"));
    // Menus, message boxes and dialogs in the controls' font, whatever the machine's
    // font configuration would pick.
    QApplication::setFont(tarvo::ControlFont());
    QApplication::setWindowIcon(tarvo::ProgramIcon());

    tarvo::QtPlatform platform;
    tarvo::frmSatellite window(platform);
    platform.setDialogParent(&window);  // message boxes and dialogs centred on the window

    // A failure that no handler expected is shown, and the program goes on.
    tarvo::EventBoundary::SetReporter([&platform, &window](const std::string& what) {
        platform.messageBox(what, tarvo::MsgButtons::Ok, tarvo::MsgIcon::Exclamation,
                            window.state().MsgTitle);
    });

    // The splash window hands over to the main window's start-up sequence, which
    // closes it, shows the main window and fills it.
    tarvo::frmSplash splash(
        [&window] { tarvo::EventBoundary::Run([&window] { window.Form_Load(); }); });
    window.setSplashWindow(&splash);
    splash.Form_Load();
    return QApplication::exec();
}
