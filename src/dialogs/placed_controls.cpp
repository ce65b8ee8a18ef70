#include "dialogs/placed_controls.h"

#include <QGroupBox>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "platform/command_button.h"
#include "platform/label.h"
#include "platform/text_box.h"

namespace tarvo {

QGroupBox* PlaceFrame(QWidget* parent, const char* name, const char* caption, QRect rect) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(rect);
    return frame;
}

Label* PlaceLabel(QWidget* parent, const char* name, const char* caption, QRect rect,
                  Qt::Alignment alignment) {
    auto* label = new Label(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment);
    label->setGeometry(rect);
    return label;
}

TextBox* PlaceTextBox(QWidget* parent, const char* name, Label* label, QRect rect) {
    auto* box = new TextBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    label->setBuddy(box);
    box->setAccessibleName(label->text());
    return box;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const char* caption, QRect rect) {
    auto* button = new CommandButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    return button;
}

void CentreOverParent(QWidget* window) {
    const QWidget* parent = window->parentWidget();
    if (parent == nullptr) {
        return;
    }
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(parent->window()->frameGeometry().center());
    window->move(frame.topLeft());
}

void PaintBackground(QWidget* window, const QColor& colour) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

}  // namespace tarvo
