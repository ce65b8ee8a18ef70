#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace tarvo {

// The text of a message box as Qt shows it: the program's line break (line feed then
// carriage return) and any lone line feed or carriage return become one line break.
QString MessageText(std::string_view text);

// A file dialog filter of the program, description and pattern alternating behind
// bars ("Satellite Files (*.sat)|*.sat|All Files (*.*)|*.*"), as Qt's list of name
// filters ("Satellite Files (*.sat)", "All Files (*)"). Qt reads the patterns from the
// parentheses, so they are rebuilt from the pattern part: ';' between patterns becomes
// a space and "*.*" becomes "*", which takes names without an extension too.
QStringList NameFilters(std::string_view filter);

}  // namespace tarvo
