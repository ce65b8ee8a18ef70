#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>

namespace tarvo {
namespace {

TEST(NumberText, PlainForms) {
    EXPECT_EQ(NumberText(200), "200");
    EXPECT_EQ(NumberText(43.700), "43.7");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(-0.25), "-0.25");
    EXPECT_EQ(NumberText(20249.4), "20249.4");
    EXPECT_EQ(NumberText(181.556), "181.556");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(-7), "-7");
    EXPECT_EQ(NumberText(100000), "100000");
    EXPECT_EQ(NumberText(0.001), "0.001");
}

TEST(NumberText, FifteenSignificantDigits) {
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");  // 0.30000000000000004
    EXPECT_EQ(NumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(NumberText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(NumberText(-2.0 / 3), "-0.666666666666667");
    EXPECT_EQ(NumberText(40.00000000000001), "40");
    EXPECT_EQ(NumberText(60.000000443184824), "60.0000004431848");
    EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(NumberText(12345678901234.5), "12345678901234.5");
}

TEST(NumberText, ExponentFormForLargeMagnitudesOnly) {
    EXPECT_EQ(NumberText(1e15), "1E+15");
    EXPECT_EQ(NumberText(-1e15), "-1E+15");
    EXPECT_EQ(NumberText(1.5e20), "1.5E+20");
    EXPECT_EQ(NumberText(1e100), "1E+100");
    EXPECT_EQ(NumberText(999999999999999.0), "999999999999999");
    // Rounded to 15 digits before the form is chosen.
    EXPECT_EQ(NumberText(999999999999999.9), "1E+15");
    EXPECT_EQ(NumberText(1e-15), "0.000000000000001");
    // Below 1E-15 the digits follow "0." and the zeros it takes: 1E-20 is a point,
    // 19 zeros and a 1.
    EXPECT_EQ(NumberText(1e-20), "0.00000000000000000001");
    EXPECT_EQ(NumberText(1e-16), "0.0000000000000001");
    EXPECT_EQ(NumberText(1.5e-20), "0.000000000000000000015");
    EXPECT_EQ(NumberText(-2.5e-300), "-0." + std::string(299, '0') + "25");
    EXPECT_EQ(NumberText(9.9999999999999999e-16), "0.000000000000001");
    EXPECT_EQ(NumberText(DBL_MAX), "1.79769313486232E+308");
    EXPECT_EQ(NumberText(4.9406564584124654e-324),
              "0." + std::string(323, '0') + "494065645841247");
}

TEST(NumberText, NonFiniteValuesDoNotBreakIt) {
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "Infinity");
    EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
}

}  // namespace
}  // namespace tarvo
