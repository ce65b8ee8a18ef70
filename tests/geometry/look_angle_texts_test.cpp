#include "geometry/look_angle_texts.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using Stage = CalculationStage;

struct Case {
    const char* what;
    const char* sat;
    const char* lon;
    const char* lat;
    double az;
    double el;
    Stage stage;
    const char* longitude;  // the rewritten texts, "" when not rewritten
    const char* latitude;
    const char* azimuth;  // the results, "" unless complete
    const char* elevation;
    const char* range;
};

// Results of complete cases are the worked examples of the calculation; "1E305 .5"
// reads as 1E305 as a whole, but converting it overflows when Round4 multiplies by
// 10000; 1.7976931348623157E308 is written as 1.79769313486232E+308, which lies beyond
// the largest double when it is read again.
const Case kCases[] = {
    {"west of the satellite", "101", "100", "40", 0, 0, Stage::Complete, "100", "40", "181.556",
     "43.712", "20249.4"},
    {"east of the satellite", "99", "100", "40", 0, 0, Stage::Complete, "100", "40", "178.444",
     "43.712", "20249.4"},
    {"due south, whole range", "100", "100", "40", 0, 0, Stage::Complete, "100", "40", "179.982",
     "43.723", "20249"},
    {"another place", "72", "84.39", "33.75", 0, 0, Stage::Complete, "84.39", "33.75", "158.425",
     "48.555", "20069.8"},
    {"offsets", "101", "100", "40", 2.5, -1, Stage::Complete, "100", "40", "184.056", "42.712",
     "20249.4"},
    {"spaces around a plain number", "101", " 100 ", "40", 0, 0, Stage::Complete, "100", "40",
     "181.556", "43.712", "20249.4"},
    {"empty latitude", "101", "100", "", 0, 0, Stage::Rejected, "", "", "", "", ""},
    {"latitude 0", "101", "100", "0", 0, 0, Stage::Rejected, "", "", "", "", ""},
    {"south latitude", "101", "100", "-10", 0, 0, Stage::Rejected, "", "", "", "", ""},
    {"empty satellite", "", "100", "40", 0, 0, Stage::Rejected, "", "", "", "", ""},
    {"satellite beyond a double", "1E999", "100", "40", 0, 0, Stage::Rejected, "", "", "", "", ""},
    {"longitude overflows", "101", "1E305 .5", "40", 0, 0, Stage::FailedConvertingLongitude, "", "",
     "", "", ""},
    {"latitude overflows", "101", "100 30", "1E305 .5", 0, 0, Stage::FailedConvertingLatitude,
     "100.5", "", "", "", ""},
    {"converted text unreadable", "101", "1.7976931348623157E308", "40", 0, 0,
     Stage::FailedBeforeAzimuth, "1.79769313486232E+308", "40", "", "", ""},
    {"cosine exactly 1", "100", "100", "0.000000001", 0, 0, Stage::FailedBeforeAzimuth, "100",
     "0.000000001", "", "", ""},
    {"azimuth offset too large to round", "101", "100", "40", 1e306, 0,
     Stage::FailedBeforeElevation, "100", "40", "", "", ""},
    {"elevation offset too large to round", "101", "100", "40", 0, 1e306, Stage::FailedBeforeRange,
     "100", "40", "", "", ""},
};

TEST(CalculateLookAngleTexts, StagesAndTexts) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const LookAngleTexts out = CalculateLookAngleTexts(c.sat, c.lon, c.lat, c.az, c.el);
        EXPECT_EQ(out.stage, c.stage);
        EXPECT_EQ(out.longitude, c.longitude);
        EXPECT_EQ(out.latitude, c.latitude);
        EXPECT_EQ(out.azimuth, c.azimuth);
        EXPECT_EQ(out.elevation, c.elevation);
        EXPECT_EQ(out.range, c.range);
        EXPECT_EQ(out.azimuthAdjusted, c.az != 0);
        EXPECT_EQ(out.elevationAdjusted, c.el != 0);
    }
}

TEST(CalculateLookAngleTexts, WhatEachStageHasReached) {
    const LookAngleTexts azimuthOnly = CalculateLookAngleTexts("101", "100", "40", 1e306, 0);
    EXPECT_TRUE(azimuthOnly.LongitudeConverted());
    EXPECT_TRUE(azimuthOnly.LatitudeConverted());
    EXPECT_TRUE(azimuthOnly.AzimuthReached());
    EXPECT_FALSE(azimuthOnly.ElevationReached());
    EXPECT_FALSE(azimuthOnly.Complete());

    const LookAngleTexts longitudeOnly = CalculateLookAngleTexts("101", "100", "1E305 .5", 0, 0);
    EXPECT_TRUE(longitudeOnly.LongitudeConverted());
    EXPECT_FALSE(longitudeOnly.LatitudeConverted());
    EXPECT_FALSE(longitudeOnly.AzimuthReached());

    const LookAngleTexts rejected = CalculateLookAngleTexts("101", "100", "0", 0, 0);
    EXPECT_FALSE(rejected.LongitudeConverted());
}

TEST(CalculateLookAngleTexts, AnglesComeFromTheRewrittenText) {
    // 10 seconds are 0.002777... degrees, shown as 0.0028; near the equator that
    // difference shows in the azimuth, and the angles are those of the text shown.
    const LookAngleTexts typed = CalculateLookAngleTexts("101", "100", "0 0 10", 0, 0);
    const LookAngleTexts shown = CalculateLookAngleTexts("101", "100", "0.0028", 0, 0);
    const LookAngleTexts exact = CalculateLookAngleTexts("101", "100", "0.00277777777777778", 0, 0);
    ASSERT_EQ(typed.stage, Stage::Complete);
    EXPECT_EQ(typed.latitude, "0.0028");
    EXPECT_EQ(typed.azimuth, shown.azimuth);
    EXPECT_EQ(typed.elevation, shown.elevation);
    EXPECT_EQ(typed.range, shown.range);
    EXPECT_NE(typed.azimuth, exact.azimuth);
}

}  // namespace
}  // namespace tarvo
