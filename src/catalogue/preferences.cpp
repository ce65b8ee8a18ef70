#include "catalogue/preferences.h"

#include <cstdint>
#include <limits>
#include <string_view>
#include <utility>

#include "common/failure.h"
#include "common/int16.h"
#include "common/numeric_value.h"

namespace tarvo {

namespace {

struct WholeNumberRule {
    PreferenceField field;
    double smallest;
    const char* tooSmall;
    const char* tooLarge;
};

// Checks one whole-number setting and stores it. A refusal when the typed value is
// below the rule's smallest value or, rounded, does not fit 16 bits.
std::optional<PreferenceRefusal> StoreWholeNumber(std::int16_t& setting, std::string_view text,
                                                  const WholeNumberRule& rule) {
    const double value = TypedNumber(text);
    if (value < rule.smallest) {
        return PreferenceRefusal{rule.field, rule.tooSmall};
    }
    try {
        setting = RoundToInt16(value);
    } catch (const RunTimeFailure&) {
        return PreferenceRefusal{rule.field, rule.tooLarge};
    }
    return std::nullopt;
}

}  // namespace

// A number too large for a double still has a sign: the one in front of it.
double TypedNumber(std::string_view text) {
    try {
        return NumericValue(text);
    } catch (const RunTimeFailure&) {
        const std::size_t first = text.find_first_not_of(" \t\n");
        const bool negative = first != std::string_view::npos && text[first] == '-';
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        return negative ? -kInfinity : kInfinity;
    }
}

std::optional<PreferenceRefusal> StorePreferences(Settings& settings,
                                                  const PreferenceTexts& texts) {
    // Checked and stored on a copy: the settings change only when every value passed.
    Settings next = settings;
    const struct {
        std::int16_t& setting;
        const std::string& text;
        WholeNumberRule rule;
    } wholeNumbers[] = {
        {next.PrtFontSize,
         texts.points,
         {PreferenceField::Points, 6, "Font size must be six or larger!",
          "Font size must be 32767 or less!"}},
        {next.PrtLeftMargin,
         texts.leftMargin,
         {PreferenceField::LeftMargin, 0, "Margin value cannot be a negative number!",
          "Margin value must be 32767 or less!"}},
        {next.PrtTopMargin,
         texts.topMargin,
         {PreferenceField::TopMargin, 0, "Top margin cannot be a negative number!",
          "Top margin must be 32767 or less!"}},
        {next.PrtLineSpacing,
         texts.spacing,
         {PreferenceField::Spacing, 0, "Line Spacing cannot be a negative number!",
          "Line Spacing must be 32767 or less!"}},
    };
    for (const auto& number : wholeNumbers) {
        if (auto refusal = StoreWholeNumber(number.setting, number.text, number.rule)) {
            return refusal;
        }
    }

    // The offsets take any number; only one beyond the double range cannot be held.
    double elOffset = 0;
    double azOffset = 0;
    try {
        elOffset = NumericValue(texts.elOffset);
    } catch (const RunTimeFailure&) {
        return PreferenceRefusal{PreferenceField::ElOffset, "Elevation offset is too large!"};
    }
    try {
        azOffset = NumericValue(texts.azOffset);
    } catch (const RunTimeFailure&) {
        return PreferenceRefusal{PreferenceField::AzOffset, "Azimuth offset is too large!"};
    }
    next.ElOffset = elOffset;
    next.AzOffset = azOffset;
    next.PrtFontName = texts.fontName;
    settings = std::move(next);
    return std::nullopt;
}

}  // namespace tarvo
