// SNG Tarvo: look angles from a news-gathering truck to a geostationary satellite.
// No arguments; the program works in the current directory.

#include <QApplication>

#include "aidsettings/aid_settings_store.h"
#include "dialogs/frm_splash.h"
#include "mainwindow/frm_satellite.h"
#include "platform/control_font.h"
#include "platform/fatal_report.h"
#include "platform/handler.h"
#include "platform/picture.h"
#include "platform/platform_services.h"
#include "platform/qt_platform.h"

int main(int argc, char* argv[]) {
    // A start that ends before any window says on standard error what failed.
    tarvo::InstallFatalReporting();
    tarvo::SetStartStep("connecting to the display");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SNG Tarvo"));
    // The menu entry's file name, so that a desktop matches the windows to it.
    QApplication::setDesktopFileName(QStringLiteral("org.example.SngTarvo"));
    // Menus, message boxes and dialogs in the controls' font, whatever the machine's
    // font configuration would pick.
    tarvo::SetStartStep("loading fonts");
    QApplication::setFont(tarvo::ControlFont());
    QApplication::setWindowIcon(tarvo::ProgramIcon());

    // The pointing aid's settings, read from pointing.ini of the working folder now and
    // held here for the whole run, longer than the windows; the aid's commands and
    // windows are given this one store through the main window (see
    // aidsettings/aid_settings_store.h).
    tarvo::SetStartStep("reading pointing.ini");
    tarvo::AidSettingsStore aidSettings;

    tarvo::SetStartStep("making the main window");
    tarvo::QtPlatform platform;
    tarvo::frmSatellite window(platform);
    platform.setDialogParent(&window);  // message boxes and dialogs centred on the window
    window.setAidSettings(aidSettings);

    // A failure that no handler expected is shown, and the program goes on.
    tarvo::EventBoundary::SetReporter([&platform, &window](const std::string& what) {
        platform.messageBox(what, tarvo::MsgButtons::Ok, tarvo::MsgIcon::Exclamation,
                            window.state().MsgTitle);
    });

    // The splash window hands over to the main window's start-up sequence, which
    // closes it, shows the main window and fills it.
    tarvo::frmSplash splash([&window, &platform, &aidSettings] {
        tarvo::EventBoundary::Run([&window] { window.Form_Load(); });
        tarvo::SetStartStep("telling a pointing.ini that could not be read");
        // A pointing.ini that is there but cannot be read is told once the window is up;
        // the aid then works with its defaults.
        if (!aidSettings.ReadFailure().empty()) {
            const tarvo::MainWindowState& s = window.state();
            platform.messageBox("The file " + aidSettings.FileName() + " could not be read." +
                                    s.LineBreak + aidSettings.ReadFailure() + s.LineBreak +
                                    "The pointing aid uses its default settings.",
                                tarvo::MsgButtons::Ok, tarvo::MsgIcon::Exclamation, s.MsgTitle);
        }
        tarvo::SetStartStep("running");
    });
    window.setSplashWindow(&splash);
    tarvo::SetStartStep("showing the splash window");
    splash.Form_Load();
    const int status = QApplication::exec();
    tarvo::SetStartStep("closing down");
    return status;
}
