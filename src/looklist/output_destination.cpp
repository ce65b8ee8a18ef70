#include "looklist/output_destination.h"

namespace tarvo {

void OutputDestination::Print(std::string_view text, LineEnd end) {
    Draw(x_, y_, font_, text, end);
    if (end == LineEnd::Stay) {
        x_ += measure_.TextWidth(font_, text);
    } else {
        x_ = 0;
        y_ += measure_.LineHeight(font_);
    }
}

void OutputDestination::Cls() {
    Erase();
    x_ = 0;
    y_ = 0;
}

void OutputDestination::NewPage() {
    StartPage();
    x_ = 0;
    y_ = 0;
}

}  // namespace tarvo
