#include "aidwindows/magnetic_model_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarvo {

MagneticModelFiles InstalledMagneticModel() {
    const QString name = QStringLiteral(TARVO_MAGNETIC_MODEL);
    const QDir program(QCoreApplication::applicationDirPath());
    const QString besideProgram = program.filePath(QStringLiteral("magnetic"));
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral(TARVO_DATA_FROM_BIN "/magnetic")));
    QString folder = installed;
    if (QFileInfo::exists(besideProgram + '/' + name + QStringLiteral(".wmm"))) {
        folder = besideProgram;
    }
    return {folder.toStdString(), name.toStdString()};
}

}  // namespace tarvo
