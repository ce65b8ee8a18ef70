#include "platform/control_font.h"

#include <QStringList>

namespace tarvo {

QFont ControlFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

}  // namespace tarvo
