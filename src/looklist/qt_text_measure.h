#pragma once

#include <QFontMetricsF>
#include <QImage>
#include <optional>

#include "looklist/text_measure.h"

namespace tarvo {

// The main window's measuring surface: widths and line heights of Qt's fonts, in twips,
// taken on a surface of a fixed fine resolution without hinting, so that the figures
// are the fonts' own and do not depend on the screen's resolution.
class QtTextMeasure : public TextMeasure {
  public:
    QtTextMeasure();

    float TextWidth(const FontSpec& font, std::string_view text) override;
    float LineHeight(const FontSpec& font) override;

  private:
    const QFontMetricsF& Metrics(const FontSpec& font);

    QImage surface_;
    FontSpec cachedFont_;
    std::optional<QFontMetricsF> cachedMetrics_;
};

}  // namespace tarvo
