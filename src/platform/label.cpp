#include "platform/label.h"

#include "platform/qt_text.h"

namespace tarvo {

Label::Label(std::string_view caption, QWidget* parent) : QLabel(parent) {
    // Captions are plain text: a '<' in a location name is no markup.
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

std::string Label::caption() const {
    return FromQString(text());
}

void Label::setCaption(std::string_view caption) {
    setText(ToQString(caption));
}

}  // namespace tarvo
