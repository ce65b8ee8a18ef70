// The geostationary arc from a truck, from horizon to horizon.

#include "pointing/geostationary_arc.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvo {
namespace {

TEST(GeostationaryArc, FromAtlantaHorizonToHorizonThroughSouth) {
    // cos 33.75 = 0.83147, x 6.61 = 5.49602; the horizon where cos(central angle) is
    // 1/6.61: acos(1/5.49602) = 79.517 degrees of longitude either side of 84.39 W.
    const std::vector<ArcPoint> arc = GeostationaryArc(84.39, 33.75, 0.5);
    ASSERT_EQ(arc.size(), 320u);  // ceil(2 x 79.517 / 0.5) = 319 steps
    EXPECT_NEAR(arc.front().slotWest, 84.39 - 79.517, 0.001);
    EXPECT_NEAR(arc.back().slotWest, 84.39 + 79.517, 0.001);
    EXPECT_NEAR(arc.front().elevation, 0, 0.002);
    EXPECT_NEAR(arc.back().elevation, 0, 0.002);

    // Highest on the truck's own meridian: atan((0.83147 - 1/6.61) / sin 33.75) = 50.76.
    const auto top = std::max_element(arc.begin(), arc.end(), [](const auto& a, const auto& b) {
        return a.elevation < b.elevation;
    });
    EXPECT_NEAR(top->slotWest, 84.39, 0.5);
    EXPECT_NEAR(top->elevation, 50.76, 0.01);
    EXPECT_NEAR(top->azimuth, 180, 0.5);

    // East of south to west of south, rising then setting.
    for (std::size_t i = 1; i < arc.size(); ++i) {
        EXPECT_GT(arc[i].azimuth, arc[i - 1].azimuth) << i;
        EXPECT_GT(arc[i].azimuth, 90);
        EXPECT_LT(arc[i].azimuth, 270);
    }
}

TEST(GeostationaryArc, TooFarNorthThereIsNone) {
    // 6.61 x cos 82 = 0.920: the orbit never rises. At 81, 6.61 x cos 81 = 1.034: it does.
    EXPECT_TRUE(GeostationaryArc(84.39, 82).empty());
    EXPECT_FALSE(GeostationaryArc(84.39, 81).empty());
    EXPECT_TRUE(GeostationaryArc(84.39, 33.75, 0).empty());  // no step, no slots
}

}  // namespace
}  // namespace tarvo
