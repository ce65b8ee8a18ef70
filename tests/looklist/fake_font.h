#pragma once

#include <string_view>

#include "looklist/text_measure.h"

namespace tarvo::testing {

// A font whose widths are easy to work out by hand: every character is 10 twips wide
// per point (12 in bold), a space half of that; lines are 25 twips apart per point.
// Arial 12 bold: "__" is 288 twips, a line 300 twips.
class FakeFont : public TextMeasure {
  public:
    float TextWidth(const FontSpec& font, std::string_view text) override {
        const float each = static_cast<float>(font.size) * (font.bold ? 12.0f : 10.0f);
        float width = 0;
        for (const char c : text) {
            width += c == ' ' ? each / 2 : each;
        }
        return width;
    }
    float LineHeight(const FontSpec& font) override {
        return static_cast<float>(font.size) * 25.0f;
    }
};

}  // namespace tarvo::testing
