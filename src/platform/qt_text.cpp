#include "platform/qt_text.h"

#include <QList>

#include "common/codepage.h"

namespace tarvo {

QString ToQString(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char byte : text) {
        // Every Windows-1252 character lies in the Basic Multilingual Plane.
        result.append(
            QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(byte)))));
    }
    return result;
}

std::string FromQString(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t codePoint : text.toUcs4()) {
        const int byte = UnicodeToCp1252(codePoint);
        result.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return result;
}

}  // namespace tarvo
