#include "common/int16.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/failure.h"

namespace tarvo {
namespace {

TEST(RoundToInt16, NearestWithHalvesToEven) {
    EXPECT_EQ(RoundToInt16(10.5), 10);
    EXPECT_EQ(RoundToInt16(11.5), 12);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(-3.5), -4);
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(1.5), 2);
    EXPECT_EQ(RoundToInt16(10.4999), 10);
    EXPECT_EQ(RoundToInt16(10.5001), 11);
    EXPECT_EQ(RoundToInt16(-0.4), 0);
    EXPECT_EQ(RoundToInt16(-7.6), -8);
    EXPECT_EQ(RoundToInt16(12), 12);
}

TEST(RoundToInt16, FailsOutsideTheSixteenBitRange) {
    EXPECT_EQ(RoundToInt16(32767), 32767);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768), -32768);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);            // the even neighbour lies inside
    EXPECT_THROW(RoundToInt16(32767.5), RunTimeFailure);  // rounds to 32768
    EXPECT_THROW(RoundToInt16(32768), RunTimeFailure);
    EXPECT_THROW(RoundToInt16(-32768.6), RunTimeFailure);
    EXPECT_THROW(RoundToInt16(-32769), RunTimeFailure);
    EXPECT_THROW(RoundToInt16(1e300), RunTimeFailure);
    EXPECT_THROW(RoundToInt16(std::numeric_limits<double>::infinity()), RunTimeFailure);
    EXPECT_THROW(RoundToInt16(std::numeric_limits<double>::quiet_NaN()), RunTimeFailure);
}

// The rounding behind every field and layout figure, beyond the 16-bit range too (the
// look list's widths and a location file's length in records).
TEST(RoundHalfToEven, NearestWithHalvesToEvenAtAnyMagnitude) {
    const struct {
        double value;
        double rounded;
    } cases[] = {
        {40000.5, 40000},
        {40001.5, 40002},
        {-40001.5, -40002},
        {-0.5, 0},
        {2.5, 2},
        {3.5, 4},
        {2.5000001, 3},
        {-2.4999999, -2},
        // The largest double below one half: adding 0.5 and flooring would give 1.
        {0.49999999999999994, 0},
        // 2^52 + 0.5 cannot be held; 2^52 + 1 is whole already and stays.
        {4503599627370497.0, 4503599627370497.0},
        // 16.5 records: a half, to the even count.
        {1089.0 / 66.0, 16},
        {1155.0 / 66.0, 18},
        {1154.0 / 66.0, 17},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfToEven(c.value), c.rounded) << c.value;
    }
}

}  // namespace
}  // namespace tarvo
