// SNG Tarvo: look angles from a news-gathering truck to a geostationary satellite.
// No arguments; the program works in the current directory.

#include <QApplication>
#include <QIcon>

#include "mainwindow/frm_satellite.h"
#include "platform/handler.h"
#include "platform/platform_services.h"
#include "platform/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SNG Tarvo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvo/tarvo.png")));

    tarvo::QtPlatform platform;
    tarvo::frmSatellite window(platform);

    // A failure that no handler expected is shown, and the program goes on.
    tarvo::EventBoundary::SetReporter([&platform, &window](const std::string& what) {
        platform.messageBox(what, tarvo::MsgButtons::Ok, tarvo::MsgIcon::Exclamation,
                            window.state().MsgTitle);
    });

    // The start-up sequence shows the window and fills it.
    tarvo::EventBoundary::Run([&window] { window.Form_Load(); });
    return QApplication::exec();
}
