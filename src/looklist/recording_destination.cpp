#include "looklist/recording_destination.h"

namespace tarvo {

void RecordingDestination::Draw(float x, float y, const FontSpec& font, std::string_view text,
                                LineEnd end) {
    texts_.push_back(DrawnText{x, y, font, std::string(text), end, page_});
}

void RecordingDestination::Erase() {
    texts_.clear();
    page_ = 1;
}

std::vector<std::string> RecordingDestination::Lines() const {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (const DrawnText& drawn : texts_) {
        if (open) {
            line += '\t';
        }
        line += drawn.text;
        open = true;
        if (drawn.end == LineEnd::NextLine) {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
        }
    }
    if (open) {
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace tarvo
