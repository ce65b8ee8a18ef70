#pragma once

#include <QCheckBox>

#include "platform/handler.h"

namespace tarvo {

// A check box with the values 0 (cleared), 1 (ticked) and 2 (grayed; only the program
// sets it). Click: the value changes, by the user or by setValue. A user click moves
// 0 to 1, 1 to 0 and 2 to 1.
class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit CheckBox(QWidget* parent = nullptr);

    int value() const;
    void setValue(int value);  // 0, 1 or 2; raises click when the value changes

    // As if the user clicked the box.
    void userClick();

    void onClick(Handler handler) { click_ = std::move(handler); }

  protected:
    void nextCheckState() override;

  private:
    Handler click_;
};

}  // namespace tarvo
