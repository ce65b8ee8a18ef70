#include "looklist/look_list_layout.h"

#include <algorithm>
#include <cmath>

#include "common/fixed_text.h"
#include "common/int16.h"

namespace tarvo {
namespace {

std::int16_t Limit16(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
}

}  // namespace

std::int16_t LayoutInt16(double value) {
    if (!std::isfinite(value)) {
        return Limit16(value);
    }
    return Limit16(RoundHalfToEven(value));
}

std::int16_t Sum16(int a, int b, int c) {
    return Limit16(static_cast<double>(a) + b + c);
}

std::int16_t IntPart16(double value) {
    return Limit16(std::floor(value));
}

std::string PositionLine(std::string_view longitude, std::string_view latitude) {
    return TrimSpaces(longitude) + "W    " + TrimSpaces(latitude) + "N";
}

float CenteredX(float scaleWidth, float textWidth) {
    const double half = RoundHalfToEven(static_cast<double>(textWidth) / 2);
    return static_cast<float>(static_cast<double>(scaleWidth) / 2 - half);
}

float NameColumnWidth(const SatelliteTable& table, const FontSpec& font, TextMeasure& measure) {
    std::int16_t widest = 0;
    for (int row = 1; row <= table.SatLast(); ++row) {
        const SatelliteRecord& record = table.Row(row);
        if (record.SatLook != 1) {
            continue;
        }
        const float width = measure.TextWidth(font, TrimSpaces(record.SatName));
        if (width > widest) {
            widest = LayoutInt16(width);
        }
    }
    return measure.TextWidth(font, "__") + widest;
}

std::int16_t ScreenRuleLength(float scaleWidth, float hyphenWidth) {
    if (!(hyphenWidth > 0)) {
        return 0;
    }
    const double count = std::floor(static_cast<double>(scaleWidth) / hyphenWidth) - 1;
    return std::max<std::int16_t>(0, Limit16(count));
}

std::int16_t PrintedRuleLength(float scaleWidth, std::int16_t leftMargin, float hyphenWidth) {
    if (!(hyphenWidth > 0)) {
        return 0;
    }
    // Both margins together may pass the 16-bit range; they are taken as they are.
    const double room = static_cast<double>(scaleWidth) - 2.0 * leftMargin;
    const double count = std::floor(0.95 * room / hyphenWidth);
    return std::max<std::int16_t>(0, Limit16(count));
}

bool RowNeedsNewPage(float y, float rowHeight, float pageHeight, float rowsTop) {
    return y > rowsTop && y + rowHeight > pageHeight;
}

}  // namespace tarvo
