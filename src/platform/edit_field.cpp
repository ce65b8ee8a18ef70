#include "platform/edit_field.h"

#include <QLineEdit>

namespace tarvo {

void ShowProgramText(QLineEdit& edit, bool focused) {
    const QString text = edit.text();
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    if (focused && end > 0) {
        // Selected backwards: the cursor, and so the view, at the start.
        edit.setSelection(static_cast<int>(end), -static_cast<int>(end));
    } else {
        edit.setCursorPosition(0);
    }
}

}  // namespace tarvo
