#include "catalogue/preferences.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/settings.h"

namespace tarvo {
namespace {

// The values that StorePreferences may change, for comparing whole outcomes.
struct Stored {
    std::int16_t points, left, top, spacing;
    double elOffset, azOffset;
    std::string font;
    bool operator==(const Stored&) const = default;
};

Stored StoredOf(const Settings& s) {
    return {s.PrtFontSize, s.PrtLeftMargin, s.PrtTopMargin, s.PrtLineSpacing,
            s.ElOffset,    s.AzOffset,      s.PrtFontName};
}

// Settings before every case: the defaults with offsets that differ from any typed here.
Settings Before() {
    Settings settings = DefaultSettings();
    settings.ElOffset = 0.75;
    settings.AzOffset = -3;
    return settings;
}
const Stored kBefore{14, 1000, 400, 100, 0.75, -3, "Arial"};

struct Case {
    const char* what;
    PreferenceTexts texts;  // elOffset, azOffset, points, left, top, spacing, font
    std::optional<PreferenceField> refused;
    const char* message;
    Stored after;
};

// A refused value leaves every setting as it was, also those whose checks passed.
TEST(StorePreferences, ChecksInOrderAndStoresAllOrNothing) {
    using F = PreferenceField;
    const Case cases[] = {
        {"all taken, offsets unrounded",
         {"-1.25", "2.5", "6", "0", "0", "0", "Courier New"},
         std::nullopt,
         "",
         {6, 0, 0, 0, -1.25, 2.5, "Courier New"}},
        {"halves to the even neighbour",
         {"0", "0", "10.5", "11.5", "10.5", "0.5", "Arial"},
         std::nullopt,
         "",
         {10, 12, 10, 0, 0, 0, "Arial"}},
        {"11.5 points and 12.5 spacing",
         {"0", "0", "11.5", "1", "2", "12.5", "Arial"},
         std::nullopt,
         "",
         {12, 1, 2, 12, 0, 0, "Arial"}},
        {"empty or wordy margins and offsets read as 0",
         {"", "north", "14", "", "abc", " ", "X"},
         std::nullopt,
         "",
         {14, 0, 0, 0, 0, 0, "X"}},
        {"5.9 points refused, nothing stored",
         {"9", "9", "5.9", "1", "1", "1", "Courier"},
         F::Points,
         "Font size must be six or larger!",
         kBefore},
        {"a point size that is no number reads as 0 and is refused",
         {"9", "9", "big", "1", "1", "1", "Courier"},
         F::Points,
         "Font size must be six or larger!",
         kBefore},
        {"negative left margin refused, the point size before it not stored",
         {"9", "9", "12", "-1", "1", "1", "Courier"},
         F::LeftMargin,
         "Margin value cannot be a negative number!",
         kBefore},
        {"-0.4 is negative although it rounds to 0",
         {"9", "9", "12", "5", "-0.4", "1", "Courier"},
         F::TopMargin,
         "Top margin cannot be a negative number!",
         kBefore},
        {"negative spacing refused, the three values before it not stored",
         {"9", "9", "8", "5", "6", "-3", "Courier"},
         F::Spacing,
         "Line Spacing cannot be a negative number!",
         kBefore},
    };
    for (const Case& c : cases) {
        Settings settings = Before();
        const auto refusal = StorePreferences(settings, c.texts);
        EXPECT_EQ(refusal.has_value(), c.refused.has_value()) << c.what;
        if (refusal && c.refused) {
            EXPECT_EQ(refusal->field, *c.refused) << c.what;
            EXPECT_EQ(refusal->message, c.message) << c.what;
        }
        EXPECT_EQ(StoredOf(settings), c.after) << c.what;
        // The file names and the default location are never the dialog's.
        EXPECT_EQ(settings.SatFileName, "tarvo.sat") << c.what;
        EXPECT_EQ(settings.SortAlpha, 1) << c.what;
    }
}

TEST(StorePreferences, RefusesWhatASixteenBitFieldCannotHold) {
    using F = PreferenceField;
    const Case cases[] = {
        {"32767 points fit",
         {"0", "0", "32767", "32767.4", "0", "32767.49", "A"},
         std::nullopt,
         "",
         {32767, 32767, 0, 32767, 0, 0, "A"}},
        {"32767.5 rounds to 32768",
         {"0", "0", "32767.5", "0", "0", "0", "A"},
         F::Points,
         "Font size must be 32767 or less!",
         kBefore},
        {"beyond the double range",
         {"0", "0", "1E400", "0", "0", "0", "A"},
         F::Points,
         "Font size must be 32767 or less!",
         kBefore},
        {"a large left margin",
         {"0", "0", "7", "40000", "0", "0", "A"},
         F::LeftMargin,
         "Margin value must be 32767 or less!",
         kBefore},
        {"a negative margin beyond the double range is negative",
         {"0", "0", "7", "1", "-1E400", "0", "A"},
         F::TopMargin,
         "Top margin cannot be a negative number!",
         kBefore},
        {"a large top margin",
         {"0", "0", "7", "1", "&HFFFF", "0", "A"},
         F::TopMargin,
         "Top margin must be 32767 or less!",
         kBefore},
        {"a large spacing",
         {"0", "0", "7", "1", "2", "1e5", "A"},
         F::Spacing,
         "Line Spacing must be 32767 or less!",
         kBefore},
        {"an elevation offset beyond the double range",
         {"1E999", "1", "7", "1", "2", "3", "A"},
         F::ElOffset,
         "Elevation offset is too large!",
         kBefore},
        {"an azimuth offset beyond the double range",
         {"1", "-1D999", "7", "1", "2", "3", "A"},
         F::AzOffset,
         "Azimuth offset is too large!",
         kBefore},
    };
    for (const Case& c : cases) {
        Settings settings = Before();
        const auto refusal = StorePreferences(settings, c.texts);
        ASSERT_EQ(refusal.has_value(), c.refused.has_value()) << c.what;
        if (refusal) {
            EXPECT_EQ(refusal->field, *c.refused) << c.what;
            EXPECT_EQ(refusal->message, c.message) << c.what;
        }
        EXPECT_EQ(StoredOf(settings), c.after) << c.what;
    }
}

}  // namespace
}  // namespace tarvo
