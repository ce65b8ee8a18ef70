#include "geometry/convert_to_decimal.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/failure.h"

namespace tarvo {
namespace {

TEST(ConvertToDecimal, PlainDecimalDegreesAreNotRounded) {
    EXPECT_EQ(ConvertToDecimal("40.5"), 40.5);
    EXPECT_EQ(ConvertToDecimal("40.123456789"), 40.123456789);
    EXPECT_EQ(ConvertToDecimal("  40.123456789  "), 40.123456789);
    // A tab is no field separator: the whole text is read as one number.
    EXPECT_EQ(ConvertToDecimal("40\t30"), 4030.0);
}

TEST(ConvertToDecimal, DegreesMinutesAndSeconds) {
    EXPECT_EQ(ConvertToDecimal("40 30"), 40.5);
    EXPECT_EQ(ConvertToDecimal("40 30 15"), 40.5042);  // 40.504166... to 4 places
    EXPECT_EQ(ConvertToDecimal(" 40 30 "), 40.5);
    // Two adjacent spaces: the 30 is read as seconds, 40 + 0.5 / 60.
    EXPECT_EQ(ConvertToDecimal("40  30"), 40.0083);
    // Further spaces are skipped inside the seconds: 40 + (30 + 1520 / 60) / 60.
    EXPECT_EQ(ConvertToDecimal("40 30 15 20"), 40.9222);
    // No range checks, fractions anywhere.
    EXPECT_EQ(ConvertToDecimal("40 75"), 41.25);
    EXPECT_EQ(ConvertToDecimal("40.5 30"), 41.0);
    EXPECT_EQ(ConvertToDecimal("40 30.5 15"), 40.5125);
    // Minutes only after a zero degree field: 0 + 30 / 60.
    EXPECT_EQ(ConvertToDecimal("0 30"), 0.5);
}

TEST(ConvertToDecimal, TextsThatReadAsZero) {
    EXPECT_EQ(ConvertToDecimal(""), 0.0);
    EXPECT_EQ(ConvertToDecimal("abc"), 0.0);
    EXPECT_EQ(ConvertToDecimal("0"), 0.0);
    EXPECT_EQ(ConvertToDecimal("0 0"), 0.0);
    EXPECT_EQ(ConvertToDecimal("   "), 0.0);
}

TEST(ConvertToDecimal, OverflowReachesTheCaller) {
    EXPECT_THROW(ConvertToDecimal("1E400"), RunTimeFailure);
    // The whole text reads 1E3050, beyond the double range.
    EXPECT_THROW(ConvertToDecimal("1E305 0"), RunTimeFailure);
    // Reading the whole text stops at the period (1E305), but with a space the
    // degrees are rounded to 4 places and 1E305 * 10000 overflows.
    EXPECT_EQ(ConvertToDecimal("1E305"), 1e305);
    EXPECT_THROW(ConvertToDecimal("1E305 ."), RunTimeFailure);
}

// The one reading of a typed coordinate that the location commands store.
TEST(CoordinateValue, NumbersAsTheyStandAndDegreesMinutesSecondsConverted) {
    const struct {
        const char* typed;
        double value;
    } taken[] = {
        {"40.5", 40.5},
        {"40.123456789", 40.123456789},  // a plain number is not rounded
        {"4.05E1", 40.5},
        {"-5", -5},  // no range check: the number as it stands
        {"0", 0},
        {" 40 30 15 ", 40.5042},  // 40 + (30 + 15/60)/60 = 40.504166..., to 4 places
        {"100 15", 100.25},       // 100 + 15/60
        {"104 59 25", 104.9903},  // 104 + 59/60 + 25/3600 = 104.990277..., to 4 places
        {"40 75", 41.25},         // 75 minutes simply add up: 40 + 75/60
    };
    for (const auto& t : taken) {
        SCOPED_TRACE(t.typed);
        const std::optional<double> value = CoordinateValue(t.typed);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, t.value);
    }
}

TEST(CoordinateValue, AnythingElseGivesNoValue) {
    for (const char* typed : {"", "   ", "40abc", "abc", "1,5", "40  30", "40 30 15 20", "40\t30",
                              "40 x", "40 30 1E", "1E400", "1E305 0"}) {
        EXPECT_FALSE(CoordinateValue(typed).has_value()) << typed;
    }
}

}  // namespace
}  // namespace tarvo
