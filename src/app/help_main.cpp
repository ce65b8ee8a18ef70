// sng-tarvo-help: the help viewer of SNG Tarvo. Shows the help document named as its
// one argument; the program starts it on tarvo.hlp without waiting for it.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

#include "dialogs/help_window.h"
#include "platform/picture.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SNG Tarvo Help"));
    QApplication::setWindowIcon(tarvo::ProgramIcon());

    const QStringList arguments = QApplication::arguments();
    const QString document = arguments.size() > 1 ? arguments.at(1) : QString();
    tarvo::HelpWindow window;
    if (!window.open(document)) {
        QMessageBox::warning(nullptr, QStringLiteral("SNG Tarvo Help"),
                             document.isEmpty()
                                 ? QStringLiteral("Usage: sng-tarvo-help FILE")
                                 : QStringLiteral("Cannot open the help file %1").arg(document));
        return 1;
    }
    window.show();
    return QApplication::exec();
}
