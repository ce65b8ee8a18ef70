#include "platform/file_lookup.h"

#include <QDir>
#include <QFileInfo>

#include "platform/qt_text.h"

namespace tarvo {

std::string LookUpFileName(std::string_view path) {
    if (path.empty()) {
        return {};
    }
    const QFileInfo info(ToQString(path));
    if (!info.exists() || !info.isFile()) {
        return {};
    }
    const QString asked = info.fileName();
    const QDir folder = info.absoluteDir();
    const QStringList entries =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    if (entries.contains(asked)) {
        return FromQString(asked);
    }
    // The file system found it under another case: report the name as stored.
    for (const QString& entry : entries) {
        if (entry.compare(asked, Qt::CaseInsensitive) == 0 &&
            QFileInfo(folder, entry).canonicalFilePath() == info.canonicalFilePath()) {
            return FromQString(entry);
        }
    }
    return FromQString(asked);
}

}  // namespace tarvo
