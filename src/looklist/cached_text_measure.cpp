#include "looklist/cached_text_measure.h"

namespace tarvo {

CachedTextMeasure::CachedTextMeasure(std::unique_ptr<TextMeasure> surface)
    : surface_(std::move(surface)) {}

CachedTextMeasure::Widths& CachedTextMeasure::WidthsOf(const FontSpec& font) {
    if (lastFont_ < fonts_.size() && fonts_[lastFont_].first == font) {
        return fonts_[lastFont_].second;
    }
    for (lastFont_ = 0; lastFont_ < fonts_.size(); ++lastFont_) {
        if (fonts_[lastFont_].first == font) {
            return fonts_[lastFont_].second;
        }
    }
    fonts_.emplace_back(font, Widths());
    return fonts_.back().second;
}

float CachedTextMeasure::TextWidth(const FontSpec& font, std::string_view text) {
    Widths& widths = WidthsOf(font);
    const auto known = widths.find(text);
    if (known != widths.end()) {
        return known->second;
    }
    const float width = surface_->TextWidth(font, text);
    if (widths.size() >= kWidthsPerFont) {
        widths.clear();
    }
    widths.emplace(text, width);
    return width;
}

float CachedTextMeasure::LineHeight(const FontSpec& font) {
    return surface_->LineHeight(font);
}

}  // namespace tarvo
