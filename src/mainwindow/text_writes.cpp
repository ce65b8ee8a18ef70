#include "mainwindow/text_writes.h"

namespace tarvo {

void TextWrites::Write(std::string_view text) {
    if (!firstChange_ && (!shown_ || text != *shown_)) {
        firstChange_.emplace(text);
    }
    last_.assign(text);
}

std::vector<std::string_view> TextWrites::Replay() const {
    if (!firstChange_) {
        return {};
    }
    return {*firstChange_, last_};
}

}  // namespace tarvo
