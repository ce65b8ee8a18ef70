#pragma once

#include <initializer_list>

class QHBoxLayout;
class QPushButton;

namespace tarvo {

// The row of buttons at the foot of an aid window: pushed to the right, in the order
// given, which is also the order Tab takes them in.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace tarvo
