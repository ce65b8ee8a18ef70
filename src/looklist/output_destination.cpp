#include "looklist/output_destination.h"

namespace tarvo {

void OutputDestination::Advance() const {
    if (advancePending_) {
        advancePending_ = false;
        x_ += measure_.TextWidth(font_, unmeasured_);
    }
}

// A change of font comes after the width of the text before it is taken.
void OutputDestination::SetFontName(std::string_view name) {
    Advance();
    font_.name = std::string(name);
}

void OutputDestination::SetFontSize(std::int16_t points) {
    Advance();
    font_.size = points;
}

void OutputDestination::SetFontBold(bool bold) {
    Advance();
    font_.bold = bold;
}

float OutputDestination::CurrentX() const {
    Advance();
    return x_;
}

void OutputDestination::SetCurrentX(float x) {
    advancePending_ = false;
    x_ = x;
}

void OutputDestination::Print(std::string_view text, LineEnd end) {
    Advance();
    Draw(x_, y_, font_, text, end);
    if (end == LineEnd::Stay) {
        unmeasured_.assign(text);
        advancePending_ = true;
    } else {
        x_ = 0;
        y_ += measure_.LineHeight(font_);
    }
}

void OutputDestination::Cls() {
    Erase();
    advancePending_ = false;
    x_ = 0;
    y_ = 0;
}

void OutputDestination::NewPage() {
    StartPage();
    advancePending_ = false;
    x_ = 0;
    y_ = 0;
}

}  // namespace tarvo
