#pragma once

#include <QFont>
#include <QRect>
#include <Qt>

#include "platform/control_font.h"  // ControlFont(), the controls' font

class QGroupBox;
class QPushButton;
class QWidget;

namespace tarvo {

class Label;
class TextBox;

// Controls of the secondary windows, each at its place in twips (left, top, width,
// height inside its container); nothing moves or resizes them. Each control's
// objectName is its name in the program.

QGroupBox* PlaceFrame(QWidget* parent, const char* name, const char* caption, QRect rect);

Label* PlaceLabel(QWidget* parent, const char* name, const char* caption, QRect rect,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A text box named by its label: the label is its buddy, so a screen reader says the
// label's words.
TextBox* PlaceTextBox(QWidget* parent, const char* name, Label* label, QRect rect);

// A command button (CommandButton): Enter presses it when it has the focus, as Space
// does; it is never a default button that Enter presses from elsewhere in the window.
QPushButton* PlaceButton(QWidget* parent, const char* name, const char* caption, QRect rect);

// Places a secondary window over the middle of the window it belongs to (its parent),
// so that it opens where the user is looking.
void CentreOverParent(QWidget* window);

// Paints a window's client area in one colour (the About box and splash window are white).
void PaintBackground(QWidget* window, const QColor& colour);

}  // namespace tarvo
