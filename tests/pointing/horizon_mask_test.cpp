// The horizon mask's elevation and a satellite's clearance over it, worked by hand.

#include "pointing/horizon_mask.h"

#include <gtest/gtest.h>

#include "pointing/pointing_texts.h"

namespace tarvo {
namespace {

struct AtCase {
    double azimuth;
    double elevation;  // worked by hand in the comment beside it
};

void ExpectMask(const HorizonMask& mask, std::initializer_list<AtCase> cases) {
    for (const AtCase& c : cases) {
        EXPECT_NEAR(MaskElevationAt(mask, c.azimuth), c.elevation, 1e-9) << "at " << c.azimuth;
    }
}

TEST(HorizonMask, NoPointsIsTheFlatHorizonAndOnePointAHorizonAllRound) {
    ExpectMask({}, {{0, 0}, {180, 0}, {359.9, 0}, {-45, 0}});
    ExpectMask({{45, 7}}, {{45, 7}, {0, 7}, {225, 7}, {360, 7}});
}

TEST(HorizonMask, BetweenPointsOnPointsAndAcrossNorth) {
    // Typed out of order: 200 degrees at 30, 100 degrees at 10.
    const HorizonMask mask = {{200, 30}, {100, 10}};
    ExpectMask(mask, {
                         {100, 10},  // on a point
                         {200, 30},  // on a point
                         {150, 20},  // halfway: 10 + 20 x 50/100
                         {125, 15},  // a quarter: 10 + 20 x 25/100
                         {330, 20},  // 200 -> 460 spans 260; 130 along: 30 - 20 x 130/260
                         {0, 30 - 20.0 * 160 / 260},     // 160 along the line across north
                         {360, 30 - 20.0 * 160 / 260},   // 360 is north, as 0 is
                         {50, 30 - 20.0 * 210 / 260},    // 210 along
                         {-310, 30 - 20.0 * 210 / 260},  // -310 is 50 once round
                         {870, 20},                      // 870 is 150 twice round
                     });
}

TEST(HorizonMask, PointsOfOneAzimuthMakeAStep) {
    // A building from 90 to 120 degrees, 30 high, typed walking clockwise round it.
    const HorizonMask building = {{90, 0}, {90, 30}, {120, 30}, {120, 0}};
    ExpectMask(building, {
                             {89.9, 0},  // the line across north from (120, 0) to (90, 0)
                             {90, 30},   // on the edge the highest counts
                             {105, 30},  // along the roof
                             {120, 30},
                             {130, 0},
                             {300, 0},
                         });
    // North typed as both 0 and 360: 360 is reached from the west, 0 leaves eastwards.
    const HorizonMask north = {{0, 10}, {350, 20}, {360, 30}};
    ExpectMask(north, {
                          {0, 30},                   // the highest of the two at north
                          {355, 25},                 // (350, 20) to (360, 30): halfway
                          {5, 10 + 10.0 * 5 / 350},  // (0, 10) to (350, 20)
                          {175, 10 + 10.0 * 175 / 350},
                      });
}

TEST(HorizonMask, ClearanceAndItsText) {
    const HorizonMask mask = {{100, 10}, {200, 30}};
    EXPECT_NEAR(MaskClearance(mask, 150, 32.5), 12.5, 1e-9);  // 32.5 - 20
    EXPECT_NEAR(MaskClearance(mask, 150, 15.9), -4.1, 1e-9);  // 15.9 - 20
    EXPECT_NEAR(MaskClearance({}, 90, -2), -2, 1e-9);         // below the flat horizon

    const struct {
        double clearance;
        const char* text;
    } texts[] = {
        {12.34, "clear by 12.3"}, {12.25, "clear by 12.3"},  // halves away from zero
        {-4.1, "blocked by 4.1"}, {-12.25, "blocked by 12.3"}, {0, "clear by 0.0"},
        {0.04, "clear by 0.0"},   {-0.04, "blocked by 0.0"},  // under the mask, if only just
        {90, "clear by 90.0"},
    };
    for (const auto& c : texts) {
        EXPECT_EQ(HorizonText(c.clearance), c.text) << c.clearance;
    }
}

TEST(HorizonMask, ASatelliteFromATruck) {
    // Atlanta to Galaxy 19 at 97 W: azimuth 201.933, elevation 48.479 (the main window's
    // figures). The mask at 201.933 is on the line across north from (200, 30) to
    // (100, 10): 30 - 20 x 1.933/260 = 29.851308; 48.479 - 29.851308 = 18.627692.
    const HorizonMask mask = {{100, 10}, {200, 30}};
    EXPECT_NEAR(SatelliteClearance(97, 84.39, 33.75, mask), 18.627692, 1e-6);
    EXPECT_EQ(HorizonText(SatelliteClearance(97, 84.39, 33.75, {{201.933, 50}})),
              "blocked by 1.5");  // 48.479 - 50
    EXPECT_NEAR(SatelliteClearance(97, 84.39, 33.75, {}), 48.479, 1e-9);
}

}  // namespace
}  // namespace tarvo
