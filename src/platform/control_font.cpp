#include "platform/control_font.h"

#include <QStringList>

namespace tarvo {

QFont ControlFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

}  // namespace tarvo
