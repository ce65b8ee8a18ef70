#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

#include "platform/handler.h"

namespace tarvo {

// A one-line text box. Change: every keystroke of the user, and every setText that
// changes the text; no change when the text stays the same. Text is program text
// (Windows-1252), converted to and from Qt at this boundary.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent = nullptr);

    std::string text() const;
    void setText(std::string_view text);

    void onChange(Handler handler) { change_ = std::move(handler); }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    Handler change_;
    bool programText_ = false;  // the text is the program's, not yet edited by the user
};

}  // namespace tarvo
