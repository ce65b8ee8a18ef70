// The feed skew on the sphere of the look angles.

#include "pointing/feed_skew.h"

#include <gtest/gtest.h>

#include "common/failure.h"

namespace tarvo {
namespace {

struct SkewCase {
    const char* place;
    double satLongWest, truckLongWest, truckLatNorth;
    double skew;  // degrees, clockwise from behind the dish positive
};

// The worked examples, checked by hand on the sphere: Atlanta to Galaxy 19 and a
// truck at 40 N 100 W to satellites a degree either side and due south. Each to the
// one decimal the crew reads, so within 0.05.
TEST(FeedSkew, WorkedExamples) {
    const SkewCase cases[] = {
        {"Atlanta, GA to 97 W", 97, 84.39, 33.75, 18.2},
        {"40 N 100 W to 99 W", 99, 100, 40, -1.2},
        {"40 N 100 W to 101 W", 101, 100, 40, 1.2},
        {"40 N 100 W due south", 100, 100, 40, 0.0},
        {"Atlanta, GA due south", 84.39, 84.39, 33.75, 0.0},
    };
    for (const SkewCase& c : cases) {
        EXPECT_NEAR(FeedSkewDeg(c.satLongWest, c.truckLongWest, c.truckLatNorth), c.skew, 0.05)
            << c.place;
    }
}

// A satellite as far east of the truck as another is west of it is tilted as much the
// other way: the picture seen from behind the dish is the mirror image.
TEST(FeedSkew, MirrorsEastAndWestOfTheTruck) {
    const double places[][2] = {{84.39, 33.75}, {100, 40}, {150, 61.2}, {70, 5}};
    for (const auto& place : places) {
        for (const double apart : {0.5, 7.0, 30.0, 60.0}) {
            const double west = FeedSkewDeg(place[0] + apart, place[0], place[1]);
            const double east = FeedSkewDeg(place[0] - apart, place[0], place[1]);
            EXPECT_GT(west, 0) << place[0] << " " << place[1] << " " << apart;
            EXPECT_NEAR(east, -west, 1e-9) << place[0] << " " << place[1] << " " << apart;
        }
    }
}

// Further along the arc the tilt grows; it stays inside (-90, 90], a polarization plane
// being a line.
TEST(FeedSkew, GrowsAlongTheArcAndStaysWithinAQuarterTurn) {
    double previous = 0;
    for (double apart = 5; apart <= 80; apart += 5) {
        const double skew = FeedSkewDeg(100 + apart, 100, 40);
        EXPECT_GT(skew, previous) << apart;
        EXPECT_LE(skew, 90) << apart;
        previous = skew;
    }
    // Near the equator a satellite well off to the side lies almost on its side.
    const double onItsSide = FeedSkewDeg(160, 100, 1);
    EXPECT_GT(onItsSide, 80);
    EXPECT_LE(onItsSide, 90);
}

TEST(FeedSkew, FailsWithoutAVerticalOrBeyondTheRangeOfADouble) {
    EXPECT_THROW(FeedSkewDeg(100, 100, 0), RunTimeFailure);  // straight overhead
    EXPECT_THROW(FeedSkewDeg(1e308, 100, 40), RunTimeFailure);
}

}  // namespace
}  // namespace tarvo
