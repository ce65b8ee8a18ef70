#include "platform/text_box.h"

#include <QFocusEvent>

#include "platform/edit_field.h"
#include "platform/qt_text.h"

namespace tarvo {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // textEdited comes only from the user (keys, paste, undo), never from setText, so a
    // program write inside a handler cannot loop back through Qt.
    connect(this, &QLineEdit::textEdited, this, [this] {
        programText_ = false;
        const Handler handler = change_;
        EventBoundary::Run(handler);
    });
}

std::string TextBox::text() const {
    return FromQString(QLineEdit::text());
}

void TextBox::setText(std::string_view text) {
    const QString newText = ToQString(text);
    if (newText == QLineEdit::text()) {
        return;
    }
    QLineEdit::setText(newText);
    programText_ = true;
    ShowProgramText(*this, hasFocus());
    // A copy: the handler may install another handler while it runs.
    const Handler handler = change_;
    if (handler) {
        handler();
    }
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (programText_ && event->reason() != Qt::MouseFocusReason) {
        ShowProgramText(*this, true);
    }
}

}  // namespace tarvo
