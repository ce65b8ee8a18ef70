#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// A font of the look list: a face name, a size in whole points and the weight.
struct FontSpec {
    std::string name = "Arial";
    std::int16_t size = 10;  // points
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

// The measuring surface of the look list: every width and line height the layout uses
// comes from here, in twips (1/1440 inch) as single-precision numbers, so that the
// screen and the paper are laid out alike. Texts are program text (Windows-1252).
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;

    // The advance width of `text` in `font`.
    virtual float TextWidth(const FontSpec& font, std::string_view text) = 0;

    // The distance from one line of `font` to the next.
    virtual float LineHeight(const FontSpec& font) = 0;
};

}  // namespace tarvo
