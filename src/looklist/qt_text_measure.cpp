#include "looklist/qt_text_measure.h"

#include "platform/drawing_font.h"
#include "platform/qt_text.h"

namespace tarvo {

namespace {
// Sixteen dots to the twip (23040 to the inch): Qt keeps advances in 64ths of a dot, so
// a width is exact to about a thousandth of a twip per character.
constexpr int kDotsPerTwip = 16;
constexpr int kDotsPerMetre = 907087;  // 23040 / 0.0254
}  // namespace

QtTextMeasure::QtTextMeasure() : surface_(1, 1, QImage::Format_RGB32) {
    surface_.setDotsPerMeterX(kDotsPerMetre);
    surface_.setDotsPerMeterY(kDotsPerMetre);
}

const QFontMetricsF& QtTextMeasure::Metrics(const FontSpec& font) {
    if (!cachedMetrics_ || !(font == cachedFont_)) {
        QFont qfont = DrawingFont(font.name, font.size, font.bold);
        qfont.setHintingPreference(QFont::PreferNoHinting);
        cachedMetrics_.emplace(qfont, &surface_);
        cachedFont_ = font;
    }
    return *cachedMetrics_;
}

float QtTextMeasure::TextWidth(const FontSpec& font, std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    return static_cast<float>(Metrics(font).horizontalAdvance(ToQString(text)) / kDotsPerTwip);
}

float QtTextMeasure::LineHeight(const FontSpec& font) {
    return static_cast<float>(Metrics(font).lineSpacing() / kDotsPerTwip);
}

}  // namespace tarvo
