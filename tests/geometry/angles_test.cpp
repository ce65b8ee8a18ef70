#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

#include "common/failure.h"

namespace tarvo {
namespace {

// Doubles are compared exactly: the last digit of every shown figure depends on them.

TEST(Angles, DegreesAndRadians) {
    EXPECT_EQ(FnRad(180), 3.1415927);
    EXPECT_EQ(FnDeg(3.1415927), 180.0);
    EXPECT_EQ(FnDeg(FnRad(40)), 40.00000000000001);
    EXPECT_EQ(FnRad(0), 0.0);
    EXPECT_THROW(FnDeg(1e307), RunTimeFailure);  // 1e307 * 180 overflows
    EXPECT_THROW(FnRad(DBL_MAX), RunTimeFailure);
}

TEST(Angles, InverseCosineWithTheProgramsPi) {
    EXPECT_EQ(FnArcsn(0), 1.57079635);  // Pi / 2
    EXPECT_EQ(FnDeg(FnArcsn(0.5)), 60.000000443184824);
    EXPECT_THROW(FnArcsn(1), RunTimeFailure);    // division by zero
    EXPECT_THROW(FnArcsn(-1), RunTimeFailure);   // division by zero
    EXPECT_THROW(FnArcsn(1.5), RunTimeFailure);  // square root of a negative number
    EXPECT_THROW(FnArcsn(-1.5), RunTimeFailure);
    EXPECT_THROW(FnArcsn(std::numeric_limits<double>::quiet_NaN()), RunTimeFailure);
    EXPECT_THROW(FnArcsn(std::numeric_limits<double>::infinity()), RunTimeFailure);
    // Just inside the range it still gives an angle, close to 0 and close to Pi.
    EXPECT_GT(FnArcsn(1 - 0x1p-53), 0.0);
    EXPECT_LT(FnArcsn(-1 + 0x1p-53), 3.1415928);
}

TEST(Angles, RoundingHalvesGoTowardsPlusInfinity) {
    EXPECT_EQ(fnRound3(1.2345), 1.235);
    EXPECT_EQ(fnRound3(-1.2345), -1.234);
    EXPECT_EQ(fnRound3(-1.2346), -1.235);
    EXPECT_EQ(fnRound3(179.9995), 180.0);
    EXPECT_EQ(fnRound3(2.0005), 2.001);  // 2.0005 * 1000 is 2000.5000000000002
    EXPECT_EQ(fnRound3(-0.0004), 0.0);
    EXPECT_EQ(fnRound1(12.25), 12.3);
    EXPECT_EQ(fnRound1(-12.25), -12.2);
    EXPECT_EQ(fnRound1(0.05), 0.1);
    EXPECT_EQ(fnRound1(-0.04), 0.0);
    EXPECT_EQ(Round4(41.00005), 41.0001);
    EXPECT_EQ(Round4(40.50416666666667), 40.5042);
    EXPECT_EQ(Round4(-3), -3.0);
}

TEST(Angles, RoundingFailsWhenTheProductOverflows) {
    EXPECT_EQ(fnRound1(1e307), 1e307);  // 1e308 still fits
    EXPECT_THROW(fnRound1(1.7e308), RunTimeFailure);
    EXPECT_THROW(fnRound3(1e306), RunTimeFailure);
    EXPECT_THROW(fnRound3(-1e306), RunTimeFailure);
    EXPECT_THROW(Round4(1e305), RunTimeFailure);
    EXPECT_THROW(Round4(std::numeric_limits<double>::quiet_NaN()), RunTimeFailure);
}

}  // namespace
}  // namespace tarvo
