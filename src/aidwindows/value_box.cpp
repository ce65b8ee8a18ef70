#include "aidwindows/value_box.h"

#include <QKeyEvent>

#include "platform/qt_text.h"

namespace tarvo {

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
    // No frame: a figure to read, not a box to type into; and cheap to repaint, since
    // every calculation of the main window changes most figures.
    setFrame(false);
}

void ValueBox::Show(std::string_view text) {
    const QString shown = ToQString(text);
    if (shown != QLineEdit::text()) {
        setText(shown);
        setCursorPosition(0);
    }
}

void ValueBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();  // to the window
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace tarvo
