#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/settings.h"

namespace tarvo {

// The preferences as typed into the preferences dialog.
struct PreferenceTexts {
    std::string elOffset;    // degrees
    std::string azOffset;    // degrees
    std::string points;      // printer font size, points
    std::string leftMargin;  // printer units
    std::string topMargin;
    std::string spacing;
    std::string fontName;
};

// The box whose value was refused.
enum class PreferenceField { Points, LeftMargin, TopMargin, Spacing, ElOffset, AzOffset };

struct PreferenceRefusal {
    PreferenceField field;
    std::string message;
};

// The value of a typed number (NumericValue); a number beyond the double range counts
// as an infinity of its sign instead of failing.
double TypedNumber(std::string_view text);

// Takes the typed preferences over into `settings`, all of them or none: the values
// are checked in this order,
//  1. the point size: at least 6;
//  2. to 4. the left margin, top margin and line spacing: not negative;
//     each read with NumericValue and rounded to a whole number, an exact half to the
//     even neighbour (10.5 gives 10, 11.5 gives 12), and refused when the rounded
//     value does not fit a 16-bit field;
//  5. both offsets, unrounded and unchecked but for a number beyond the double range;
//  6. the font name.
// The first refused value stops, and `settings` is left exactly as it was, so that
// values the user then abandons never reach a later rewrite of the settings file.
// Nothing when every value was taken.
std::optional<PreferenceRefusal> StorePreferences(Settings& settings, const PreferenceTexts& texts);

}  // namespace tarvo
