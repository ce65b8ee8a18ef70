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

}  // namespace
}  // namespace tarvo
