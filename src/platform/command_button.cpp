#include "platform/command_button.h"

#include <QKeyEvent>

#include "platform/qt_text.h"

namespace tarvo {

CommandButton::CommandButton(std::string_view caption, QWidget* parent)
    : QPushButton(ToQString(caption), parent) {
    // Qt's auto-default buttons take Enter from other controls of a dialog; these do not.
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Held down, Enter presses once, as the space bar does.
    if (!event->isAutoRepeat() && isEnabled()) {
        click();
    }
    event->accept();
}

}  // namespace tarvo
