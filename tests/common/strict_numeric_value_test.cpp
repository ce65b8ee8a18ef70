#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/numeric_value.h"

namespace tarvo {
namespace {

struct Accepted {
    std::string text;
    double value;
};

TEST(StrictNumericValue, AcceptsATextThatIsOneNumberAsAWhole) {
    const Accepted cases[] = {
        {"101", 101.0},
        {"99.2", 99.2},
        {"-5", -5.0},
        {"+7", 7.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"0", 0.0},
        {"1E3", 1000.0},
        {"2.5d+1", 25.0},
        {"1e-2", 0.01},
        {"&HFF", 255.0},
        {"&o17", 15.0},
        {"&H0", 0.0},
        // Blanks before and after the number are not part of it.
        {"  43.7  ", 43.7},
        {"\t12\n", 12.0},
        // Too small for a double: the same 0 as every other reading.
        {"1E-400", 0.0},
    };
    for (const auto& c : cases) {
        const std::optional<double> value = StrictNumericValue(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*value, c.value) << '"' << c.text << '"';
    }
}

TEST(StrictNumericValue, RefusesWhatIsNotOneNumberAsAWhole) {
    const std::string refused[] = {
        "",         "   ",
        "abc",      "12abc",
        "x12",
        "1,5",       // the comma is never a decimal separator
        "1.2.3",     // a second period
        "40 30 15",  // degrees, minutes and seconds: three numbers, not 403015
        "40 30",    "- 5",
        "4\t0",     "-",
        ".",        "+-5",
        "1E",  // an exponent letter without digits
        "1E+",      "E5",
        "1E2.5",    "&H",
        "&O8",      "&H1G",
        "&X1",
        "12\r",   // a carriage return is no blank here: it ends the number
        "1E400",  // beyond the double range
        "-1.8E308", "&H1" + std::string(256, '0'),
    };
    for (const auto& text : refused) {
        EXPECT_FALSE(StrictNumericValue(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace tarvo
