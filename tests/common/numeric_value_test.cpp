#include "common/numeric_value.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "common/failure.h"

namespace tarvo {
namespace {

TEST(NumericValue, ReadsSignDigitsPointAndExponent) {
    EXPECT_EQ(NumericValue("40.5"), 40.5);
    EXPECT_EQ(NumericValue("+7"), 7.0);
    EXPECT_EQ(NumericValue("-12"), -12.0);
    EXPECT_EQ(NumericValue(".5"), 0.5);
    EXPECT_EQ(NumericValue("-.5"), -0.5);
    EXPECT_EQ(NumericValue("5."), 5.0);
    EXPECT_EQ(NumericValue("0007.25"), 7.25);
    EXPECT_EQ(NumericValue("1E3"), 1000.0);
    EXPECT_EQ(NumericValue("1e-2"), 0.01);
    EXPECT_EQ(NumericValue("1D2"), 100.0);
    EXPECT_EQ(NumericValue("2.5d+1"), 25.0);
    EXPECT_EQ(NumericValue("0.1"), 0.1);  // the nearest double, as a literal gives it
    EXPECT_EQ(NumericValue("43.7"), 43.7);
}

TEST(NumericValue, SkipsSpacesTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(NumericValue("40 30 15"), 403015.0);
    EXPECT_EQ(NumericValue("  12  "), 12.0);
    EXPECT_EQ(NumericValue("4\t0"), 40.0);
    EXPECT_EQ(NumericValue("4\n0"), 40.0);
    EXPECT_EQ(NumericValue("- 5"), -5.0);
    EXPECT_EQ(NumericValue("1 . 5 E 1"), 15.0);
    // A carriage return is not skipped: it ends the number.
    EXPECT_EQ(NumericValue("4\r0"), 4.0);
    EXPECT_EQ(NumericValue("\r40"), 0.0);
}

TEST(NumericValue, StopsAtTheFirstCharacterThatCannotContinue) {
    EXPECT_EQ(NumericValue("1,5"), 1.0);  // the comma is never a decimal separator
    EXPECT_EQ(NumericValue("1.2.3"), 1.2);
    EXPECT_EQ(NumericValue("12abc"), 12.0);
    EXPECT_EQ(NumericValue("1E"), 1.0);
    EXPECT_EQ(NumericValue("1E+"), 1.0);
    EXPECT_EQ(NumericValue("1E2.5"), 100.0);
    EXPECT_EQ(NumericValue("3-4"), 3.0);
    EXPECT_EQ(NumericValue("+-5"), 0.0);
}

TEST(NumericValue, TextWithoutLeadingNumberGivesZero) {
    EXPECT_EQ(NumericValue(""), 0.0);
    EXPECT_EQ(NumericValue("abc"), 0.0);
    EXPECT_EQ(NumericValue("-"), 0.0);
    EXPECT_EQ(NumericValue("."), 0.0);
    EXPECT_EQ(NumericValue("E5"), 0.0);
    EXPECT_EQ(NumericValue("x12"), 0.0);
    EXPECT_EQ(NumericValue("   "), 0.0);
}

TEST(NumericValue, HexadecimalAndOctalPrefixes) {
    EXPECT_EQ(NumericValue("&HFF"), 255.0);
    EXPECT_EQ(NumericValue("&hff"), 255.0);
    EXPECT_EQ(NumericValue("&H1F"), 31.0);
    EXPECT_EQ(NumericValue("&O17"), 15.0);
    EXPECT_EQ(NumericValue("&o777"), 511.0);
    EXPECT_EQ(NumericValue("&H"), 0.0);
    EXPECT_EQ(NumericValue("&O8"), 0.0);  // 8 is no octal digit
    EXPECT_EQ(NumericValue("&O178"), 15.0);
    EXPECT_EQ(NumericValue("&H1G"), 1.0);
    EXPECT_EQ(NumericValue("&X1"), 0.0);
    EXPECT_EQ(NumericValue(" &H 1 0"), 16.0);
    EXPECT_EQ(NumericValue("&HFFFF"), 65535.0);  // a whole number, never negative
    // 2^64 = &H1 followed by 16 zeros = &O2 followed by 21 zeros.
    EXPECT_EQ(NumericValue("&H10000000000000000"), 18446744073709551616.0);
    EXPECT_EQ(NumericValue("&O2000000000000000000000"), 18446744073709551616.0);
    // 2^1023 fits, 2^1024 does not: a 1 followed by 256 hex zeros.
    EXPECT_EQ(NumericValue("&H8" + std::string(255, '0')), 0x1p1023);
    EXPECT_THROW(NumericValue("&H1" + std::string(256, '0')), RunTimeFailure);
    EXPECT_EQ(NumericValue("&O1" + std::string(341, '0')), 0x1p1023);
    EXPECT_THROW(NumericValue("&O2" + std::string(341, '0')), RunTimeFailure);
    // Leading zeros do not count towards the size.
    EXPECT_EQ(NumericValue("&H" + std::string(1000, '0') + "A"), 10.0);
}

TEST(NumericValue, OverflowFailsAndUnderflowGivesZero) {
    EXPECT_THROW(NumericValue("1E400"), RunTimeFailure);
    EXPECT_THROW(NumericValue("-1E400"), RunTimeFailure);
    EXPECT_THROW(NumericValue("1.8E308"), RunTimeFailure);
    EXPECT_THROW(NumericValue("1" + std::string(400, '0')), RunTimeFailure);
    EXPECT_THROW(NumericValue("1E99999999999999999999999999"), RunTimeFailure);
    EXPECT_EQ(NumericValue("1.7976931348623157E308"), DBL_MAX);
    EXPECT_EQ(NumericValue("1E-400"), 0.0);
    EXPECT_EQ(NumericValue("1E-99999999999999999999999999"), 0.0);
    EXPECT_EQ(NumericValue("0E99999999999999999999999999"), 0.0);
    EXPECT_EQ(NumericValue("2.2250738585072014E-308"), DBL_MIN);
    // A huge exponent brought back by many digits: 10^-500 * 10^500.
    EXPECT_EQ(NumericValue("0." + std::string(499, '0') + "1E500"), 1.0);
    EXPECT_EQ(NumericValue("1" + std::string(500, '0') + "E-500"), 1.0);
}

TEST(NumericValue, RoundsCorrectlyWithManyDigits) {
    // 1 + 2^-53 is exactly halfway between 1 and the next double: ties go to even (1);
    // any further non-zero digit, however far out, tips it upwards.
    const std::string half = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(NumericValue(half), 1.0);
    EXPECT_EQ(NumericValue(half + std::string(2000, '0') + "1"), 1.0 + 0x1p-52);
    EXPECT_EQ(NumericValue(std::string(3000, '0') + "3.5"), 3.5);
}

}  // namespace
}  // namespace tarvo
