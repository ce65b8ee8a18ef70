// What the crew is told of a position out of range, and the figures of the boxes.

#include "gps/gps_outcome.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

PositionReport Fix(double lat, double lon) {
    PositionReport report;
    report.mode = 2;
    report.latitude = lat;
    report.longitude = lon;
    return report;
}

TEST(GpsOutcome, NorthAndWestOnlyWithTheEquatorAndGreenwich) {
    struct Case {
        double lat, lon;
        GpsOutcome::Kind kind;
    };
    for (const Case& c : std::initializer_list<Case>{
             {61.5, -23.7, GpsOutcome::Kind::Position},
             {0, 0, GpsOutcome::Kind::Position},
             {90, -180, GpsOutcome::Kind::Position},
             {-0.0001, -23.7, GpsOutcome::Kind::OutOfRange},
             {61.5, 0.0001, GpsOutcome::Kind::OutOfRange},
             {61.5, 180, GpsOutcome::Kind::OutOfRange},
         }) {
        EXPECT_EQ(JudgeFix(Fix(c.lat, c.lon)).kind, c.kind) << c.lat << " " << c.lon;
    }
}

TEST(GpsOutcome, OutOfRangeSaysWhereAndWhy) {
    const std::string rule =
        "|SNG Tarvo works with north latitudes and west longitudes only; the position was not "
        "used.";
    EXPECT_EQ(GpsOutcomeText(JudgeFix(Fix(-33.86, -70.6)), "gps:2947", "|"),
              "The GPS position lies south of the equator (latitude 33.8600 S)." + rule);
    EXPECT_EQ(GpsOutcomeText(JudgeFix(Fix(61.4981, 23.76036)), "gps:2947", "|"),
              "The GPS position lies east of Greenwich (longitude 23.7604 E)." + rule);
    EXPECT_EQ(GpsOutcomeText(JudgeFix(Fix(-33.86, 151.2)), "gps:2947", "|"),
              "The GPS position lies south of the equator and east of Greenwich (latitude "
              "33.8600 S, longitude 151.2000 E)." +
                  rule);
}

TEST(GpsOutcome, FourDecimals) {
    EXPECT_EQ(FourDecimals(23.7603), "23.7603");
    EXPECT_EQ(FourDecimals(23.76036), "23.7604");
    EXPECT_EQ(FourDecimals(61.49814), "61.4981");
    EXPECT_EQ(FourDecimals(-0.00004), "0.0000");  // never "-0.0000"
    EXPECT_EQ(FourDecimals(180), "180.0000");
    EXPECT_EQ(FourDecimals(87.65432), "87.6543");
}

}  // namespace
}  // namespace tarvo
