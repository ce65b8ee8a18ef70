#include "geometry/look_angle.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(ComputeLookAngles, TruckWestAndEastOfTheSatellite) {
    const LookAngles west = ComputeLookAngles(101, 100, 40, 0, 0);
    EXPECT_EQ(west.azimuth, 181.556);
    EXPECT_EQ(west.elevation, 43.712);
    EXPECT_EQ(west.range, 20249.4);
    EXPECT_FALSE(west.azimuthAdjusted);
    EXPECT_FALSE(west.elevationAdjusted);

    const LookAngles east = ComputeLookAngles(99, 100, 40, 0, 0);
    EXPECT_EQ(east.azimuth, 178.444);
    EXPECT_EQ(east.elevation, 43.712);
    EXPECT_EQ(east.range, 20249.4);
}

TEST(ComputeLookAngles, SatelliteDueSouthAndAnotherPlace) {
    // The azimuth is 179.982, not 180: Pi = 3.1415927 meets the exact arctangent.
    const LookAngles south = ComputeLookAngles(100, 100, 40, 0, 0);
    EXPECT_EQ(south.azimuth, 179.982);
    EXPECT_EQ(south.elevation, 43.723);
    EXPECT_EQ(south.range, 20249.0);

    const LookAngles other = ComputeLookAngles(72, 84.39, 33.75, 0, 0);
    EXPECT_EQ(other.azimuth, 158.425);
    EXPECT_EQ(other.elevation, 48.555);
    EXPECT_EQ(other.range, 20069.8);
}

TEST(ComputeLookAngles, AntennaOffsetsAreAddedBeforeRounding) {
    const LookAngles adjusted = ComputeLookAngles(101, 100, 40, 2.5, -1);
    EXPECT_EQ(adjusted.azimuth, 184.056);
    EXPECT_EQ(adjusted.elevation, 42.712);
    EXPECT_EQ(adjusted.range, 20249.4);
    EXPECT_TRUE(adjusted.azimuthAdjusted);
    EXPECT_TRUE(adjusted.elevationAdjusted);

    const LookAngles azOnly = ComputeLookAngles(101, 100, 40, 2.5, 0);
    EXPECT_TRUE(azOnly.azimuthAdjusted);
    EXPECT_FALSE(azOnly.elevationAdjusted);
    EXPECT_EQ(azOnly.elevation, 43.712);
}

CalculationStage StageAtFailure(double sat, double lon, double lat, double az, double el) {
    try {
        ComputeLookAngles(sat, lon, lat, az, el);
    } catch (const LookAngleFailure& failure) {
        return failure.stage;
    }
    return CalculationStage::Complete;
}

TEST(ComputeLookAngles, FailuresTellWhereTheyHappened) {
    // A latitude whose cosine is exactly 1, satellite at the truck's longitude:
    // the central angle is FnArcsn(1), a division by zero.
    EXPECT_EQ(StageAtFailure(100, 100, 1e-9, 0, 0), CalculationStage::FailedBeforeAzimuth);
    // The azimuth is known, then rounding 1e306 to 3 places overflows.
    EXPECT_EQ(StageAtFailure(101, 100, 40, 1e306, 0), CalculationStage::FailedBeforeElevation);
    // The same for the elevation, after the azimuth.
    EXPECT_EQ(StageAtFailure(101, 100, 40, 0, 1e306), CalculationStage::FailedBeforeRange);
    EXPECT_EQ(StageAtFailure(101, 100, 40, 2.5, -1e306), CalculationStage::FailedBeforeRange);
    // A failure is a run-time failure for callers that do not care where it happened.
    EXPECT_THROW(ComputeLookAngles(100, 100, 1e-9, 0, 0), RunTimeFailure);
}

}  // namespace
}  // namespace tarvo
