#include "platform/drawing_font.h"

#include <QStringList>
#include <algorithm>

#include "platform/qt_text.h"

namespace tarvo {

QFont DrawingFont(std::string_view faceName, double points, bool bold) {
    const QString face = ToQString(faceName);
    QString metricTwin = QStringLiteral("Liberation Sans");
    if (face.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0) {
        metricTwin = QStringLiteral("Liberation Serif");
    } else if (face.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0) {
        metricTwin = QStringLiteral("Liberation Mono");
    }
    QFont font;
    font.setFamilies(QStringList{face, metricTwin});
    font.setPointSizeF(std::max(1.0, points));
    font.setBold(bold);
    font.setItalic(false);
    font.setKerning(false);
    return font;
}

}  // namespace tarvo
