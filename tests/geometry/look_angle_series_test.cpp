#include "geometry/look_angle_series.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(LookAngleSeries, EachCalculationReadsTheCoordinatesAsTheLastOneRewroteThem) {
    // 84 23 24 is 84 + 23/60 + 24/3600 = 84.39; 33 45 is 33.75. From there a satellite
    // at 72 W is at 158.425, 48.555 (the worked example of the calculation).
    LookAngleSeries series("84 23 24", "33 45", 0, 0);
    EXPECT_EQ(series.Furthest(), CalculationStage::Rejected);
    const LookAngleTexts& first = series.Calculate("72");
    EXPECT_EQ(first.longitude, "84.39");
    EXPECT_EQ(first.latitude, "33.75");
    EXPECT_EQ(first.azimuth, "158.425");
    EXPECT_EQ(first.elevation, "48.555");

    // A satellite at 0 is rejected and leaves the coordinates; the next one uses them.
    EXPECT_EQ(series.Calculate("0").stage, CalculationStage::Rejected);
    EXPECT_EQ(series.Calculate("72").azimuth, "158.425");
    EXPECT_EQ(series.Furthest(), CalculationStage::Complete);
}

TEST(LookAngleSeries, ARewrittenCoordinateCanRejectTheNextCalculation) {
    // The largest double is rewritten with 15 digits as 1.79769313486232E+308, which
    // lies beyond the double range: the first calculation gets as far as the azimuth,
    // every later one reads the rewritten text and is rejected.
    LookAngleSeries series("1.7976931348623157E308", "40", 0, 0);
    const LookAngleTexts& first = series.Calculate("101");
    EXPECT_EQ(first.stage, CalculationStage::FailedBeforeAzimuth);
    EXPECT_EQ(first.longitude, "1.79769313486232E+308");
    EXPECT_EQ(series.Calculate("101").stage, CalculationStage::Rejected);
    EXPECT_EQ(series.Furthest(), CalculationStage::FailedBeforeAzimuth);
}

}  // namespace
}  // namespace tarvo
