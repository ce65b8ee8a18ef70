#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "looklist/text_measure.h"

namespace tarvo {

// A measuring surface that remembers every width it measured, per font, so that a text
// is measured once: each display of the look list measures all marked names again, in
// the same font. The widths are the measuring surface's own; line heights are passed
// through. A font's widths are forgotten once more than `kWidthsPerFont` are kept.
class CachedTextMeasure : public TextMeasure {
  public:
    static constexpr std::size_t kWidthsPerFont = 65536;

    explicit CachedTextMeasure(std::unique_ptr<TextMeasure> surface);

    float TextWidth(const FontSpec& font, std::string_view text) override;
    float LineHeight(const FontSpec& font) override;

  private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using Widths = std::unordered_map<std::string, float, TextHash, std::equal_to<>>;

    Widths& WidthsOf(const FontSpec& font);

    std::unique_ptr<TextMeasure> surface_;
    std::vector<std::pair<FontSpec, Widths>> fonts_;
    std::size_t lastFont_ = 0;
};

}  // namespace tarvo
