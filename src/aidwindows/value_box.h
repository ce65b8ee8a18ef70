#pragma once

#include <QLineEdit>
#include <string_view>

namespace tarvo {

// A figure of an aid window: read-only, reached with Tab, read by a screen reader under
// the words of its buddy label. Copying is left to the window (Ctrl+C copies the
// window's whole sheet, not the one figure).
class ValueBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit ValueBox(QWidget* parent = nullptr);

    // Shows `text` (program text); nothing is done when it is already shown.
    void Show(std::string_view text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarvo
