#pragma once

#include <QPushButton>
#include <string_view>

class QKeyEvent;

namespace tarvo {

// A command button. It is pressed by the mouse, by the space bar, and by Enter (either
// key) while it has the focus, so that a keyboard user presses the focused button with
// whichever key comes to hand. Enter elsewhere in the window presses nothing: no button
// is a default button.
class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    explicit CommandButton(std::string_view caption, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarvo
