#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tarvo {

// Program text (Windows-1252 bytes) to Qt's Unicode strings and back. Characters the
// code page lacks become '?'.
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

}  // namespace tarvo
