#include "common/single_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/failure.h"

namespace tarvo {
namespace {

TEST(SingleText, SevenSignificantDigitsOfTheFloat) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {10, "10"},
        {10.5, "10.5"},
        {10.3, "10.3"},          // the float is 10.3000002; seven digits give 10.30000
        {0.1, "0.1"},            // the float is 0.100000001
        {7.25, "7.25"},          // exact in a float
        {1234567.8, "1234568"},  // the float is 1234567.75, seven digits round it up
        {16777217, "16777220"},  // the float is 16777216, seven digits 1.677722E+07
        {-2.5, "-2.5"},
        {3.4e38, "3.4E+38"},  // near the largest float: exponent form
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SingleText(c.value), c.text) << c.value;
    }
}

TEST(SingleText, FailsBeyondTheFloatRange) {
    EXPECT_THROW(SingleText(1e39), RunTimeFailure);
    EXPECT_THROW(SingleText(-1e39), RunTimeFailure);
    EXPECT_THROW(SingleText(std::numeric_limits<double>::quiet_NaN()), RunTimeFailure);
}

}  // namespace
}  // namespace tarvo
