#pragma once

#include <QRadioButton>
#include <string_view>

#include "platform/handler.h"

namespace tarvo {

// An option button; the buttons with the same parent exclude each other.
// Click: the button becomes selected, by the user or by setValue(true). Selecting a
// button that is already selected raises nothing.
// Keyboard: the buttons of one parent are one tab stop, the selected button (every
// button while none is selected); the arrow keys move within them.
class OptionButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit OptionButton(std::string_view caption, QWidget* parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool selected);

    // As if the user clicked the button.
    void userClick();

    void onClick(Handler handler) { click_ = std::move(handler); }

  private:
    // Gives the tab stop of this button's group to its selected button.
    void placeTabStop();

    Handler click_;
    bool programWrite_ = false;
};

}  // namespace tarvo
