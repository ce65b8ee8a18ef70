// The outage angle, the days and minutes of the sun behind a satellite, and their texts.

#include "pointing/sun_outage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <stdexcept>
#include <string>

#include "almanac_sun.h"
#include "pointing/sun_outage_texts.h"

namespace tarvo {
namespace {

UtcSeconds At(const CalendarDate& date, int hour, int minute, int second) {
    return UtcMidnight(date) + hour * 3600 + minute * 60 + second;
}

// Wavelengths 0.299792458 / f: 0.0249827 m at 12 GHz, 0.0749481 at 4, 0.00999308 at 30.
TEST(OutageAngle, IsHalfTheBeamwidthAndTheSunsRadius) {
    struct Case {
        double diameter, frequency, beamwidth, outageAngle;
    };
    const Case cases[] = {
        {1.8, 12, 0.971550, 0.755775},  // 70 x 0.0249827 / 1.8
        {2.4, 4, 2.185986, 1.362993},   // 70 x 0.0749481 / 2.4
        {9.0, 30, 0.077724, 0.308862},  // 70 x 0.00999308 / 9
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(BeamwidthDeg(c.diameter, c.frequency), c.beamwidth, 1e-6) << c.diameter;
        EXPECT_NEAR(OutageAngleDeg(c.diameter, c.frequency), c.outageAngle, 1e-6) << c.diameter;
    }
    EXPECT_EQ(OutageAngleText(OutageAngleDeg(1.8, 12)), "0.756");
    for (const auto& [diameter, frequency] :
         {std::pair{0.0, 12.0}, {1.8, 0.0}, {-1.8, 12.0}, {1.8, std::nan("")}}) {
        EXPECT_THROW(OutageAngleDeg(diameter, frequency), std::invalid_argument);
    }
}

// The worked example, 40 N 100 W to a satellite at 100 W with 1.8 m at 12 GHz, from an
// independent computation in 20 s steps: 2 to 5 March 2026, each edge within 20 s, then
// days in October and none in between.
TEST(SunOutages, WorkedExampleInMarch) {
    const std::vector<SunOutage> outages =
        PredictSunOutages({2026, 1, 1}, 100, 100, 40, OutageAngleDeg(1.8, 12));
    struct Day {
        CalendarDate date;
        int start[3], end[3];
    };
    const Day march[] = {
        {{2026, 3, 2}, {18, 51, 0}, {18, 53, 20}},
        {{2026, 3, 3}, {18, 49, 20}, {18, 54, 40}},
        {{2026, 3, 4}, {18, 48, 40}, {18, 54, 40}},
        {{2026, 3, 5}, {18, 49, 0}, {18, 54, 0}},
    };
    ASSERT_GE(outages.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) {
        const Day& day = march[i];
        const SunOutage& outage = outages[i];
        EXPECT_LE(std::abs(outage.start - At(day.date, day.start[0], day.start[1], day.start[2])),
                  20)
            << DateText(day.date);
        EXPECT_LE(std::abs(outage.end - At(day.date, day.end[0], day.end[1], day.end[2])), 20)
            << DateText(day.date);
        EXPECT_LT(outage.start, outage.closest);
        EXPECT_LT(outage.closest, outage.end);
        EXPECT_LT(outage.closestDeg, 0.756);
    }
    for (std::size_t i = 4; i < outages.size(); ++i) {
        const CalendarDate date = UtcDateOf(outages[i].start);
        EXPECT_EQ(date.year, 2026);
        EXPECT_EQ(date.month, 10) << DateText(date);
    }
}

// A period begins at midnight of its first day and holds 365 days: started on 4 March,
// the passes of 2 and 3 March are not in it, those of March 2027 up to the 3rd are, and
// each pass is found alike whichever day the period starts.
TEST(SunOutages, KeepToThePeriod) {
    const double angle = OutageAngleDeg(1.8, 12);
    const std::vector<SunOutage> fromJanuary = PredictSunOutages({2026, 1, 1}, 100, 100, 40, angle);
    const std::vector<SunOutage> fromMarch = PredictSunOutages({2026, 3, 4}, 100, 100, 40, angle);
    ASSERT_FALSE(fromMarch.empty());
    EXPECT_EQ(UtcDateOf(fromMarch.front().start), (CalendarDate{2026, 3, 4}));
    EXPECT_LT(fromMarch.back().start, UtcMidnight({2027, 3, 4}));
    EXPECT_EQ(UtcDateOf(fromMarch.back().start).month, 3);
    for (const SunOutage& outage : fromMarch) {
        EXPECT_GE(outage.start, UtcMidnight({2026, 3, 4}));
    }
    std::size_t matched = 0;
    for (const SunOutage& early : fromJanuary) {
        for (const SunOutage& late : fromMarch) {
            if (early.start == late.start) {
                EXPECT_EQ(early.end, late.end);
                EXPECT_DOUBLE_EQ(early.closestDeg, late.closestDeg);
                ++matched;
            }
        }
    }
    EXPECT_EQ(matched, fromJanuary.size() - 2);  // all but 2 and 3 March
}

// Each place against a plain scan every 20 s with the almanac's low-precision sun. Passes
// clearly inside (closest more than 0.05 degree within the outage angle) must match one
// to one, edges within 30 s (the scan's step and the almanac's 0.01 degree); grazing ones
// may fall either way.
struct ScanCase {
    const char* place;
    double satLongWest, truckLongWest, truckLatNorth, diameter, frequency;
    std::size_t fewestDays;  // clear passes the scan must find at least, both seasons
};

// No pass lasts longer than the sun takes to sweep the outage angle's diameter: a quarter
// of a degree a minute times the cosine of its declination, within 10 degrees of the
// equator in all these places.
double LongestMinutes(double outageAngle) {
    return 2 * outageAngle / (0.25 * std::cos(10 * std::acos(-1.0) / 180));
}

void PrintTo(const ScanCase& c, std::ostream* os) {
    *os << c.place;
}

class AgainstTheScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(AgainstTheScan, FindsTheSamePasses) {
    const ScanCase& c = GetParam();
    const double angle = OutageAngleDeg(c.diameter, c.frequency);
    const CalendarDate from{2026, 1, 1};
    const std::vector<SunOutage> predicted =
        PredictSunOutages(from, c.satLongWest, c.truckLongWest, c.truckLatNorth, angle);
    const std::vector<test::ScannedOutage> scanned = test::ScanOutages(
        UtcMidnight(from), 365, c.satLongWest, c.truckLongWest, c.truckLatNorth, angle);

    std::size_t clear = 0;
    for (const test::ScannedOutage& scan : scanned) {
        if (scan.closestDeg > angle - 0.05) {
            continue;
        }
        ++clear;
        const SunOutage* match = nullptr;
        for (const SunOutage& outage : predicted) {
            if (std::abs(outage.start - scan.start) < 600) {
                EXPECT_EQ(match, nullptr) << "two passes at " << DateText(UtcDateOf(scan.start));
                match = &outage;
            }
        }
        ASSERT_NE(match, nullptr) << "missed " << DateText(UtcDateOf(scan.start)) << " "
                                  << UtcClockText(scan.start);
        EXPECT_LE(std::abs(match->start - scan.start), 30) << UtcClockText(scan.start);
        EXPECT_LE(std::abs(match->end - scan.end), 30) << UtcClockText(scan.end);
        EXPECT_NEAR(match->closestDeg, scan.closestDeg, 0.05);
    }
    EXPECT_GE(clear, c.fewestDays);
    for (const SunOutage& outage : predicted) {
        EXPECT_LT(outage.closestDeg, angle);
        EXPECT_LE(static_cast<double>(outage.end - outage.start) / 60, LongestMinutes(angle));
        bool scannedToo = false;
        for (const test::ScannedOutage& scan : scanned) {
            scannedToo = scannedToo || std::abs(outage.start - scan.start) < 600;
        }
        EXPECT_TRUE(scannedToo || outage.closestDeg > angle - 0.05)
            << "not in the scan: " << DateText(UtcDateOf(outage.start));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, AgainstTheScan,
    ::testing::Values(
        // The worked example's place.
        ScanCase{"40 N 100 W, 1.8 m at 12 GHz", 100, 100, 40, 1.8, 12, 6},
        // Far north, the satellite 11.5 degrees up on the truck's meridian: seen from there
        // it stands atan(sin 70 / (6.61 - cos 70)) = 8.53 degrees south of the equator,
        // so the sun passes it in late February and mid-October, not at the equinoxes.
        ScanCase{"70 N 20 E to 20 E, 1.8 m at 12 GHz", -20, -20, 70, 1.8, 12, 6},
        // A narrow beam, 9 m at 30 GHz (outage angle 0.309): passes of a minute or two.
        ScanCase{"40 N 100 W, 9 m at 30 GHz", 100, 100, 40, 9, 30, 2},
        // In the Pacific a pass comes near midnight UTC and crosses it.
        ScanCase{"15 S 178 W to 178 E, 1.2 m at 4 GHz", -178, 178, -15, 1.2, 4, 20}),
    [](const ::testing::TestParamInfo<ScanCase>& info) { return std::to_string(info.index); });

// Far north the passes fall on the days the sun's declination is near -8.53 degrees:
// the almanac's declination reaches it about 26 February and 15 October 2026.
TEST(SunOutages, FarNorthTheSeasonsMoveAwayFromTheEquinoxes) {
    const std::vector<SunOutage> outages =
        PredictSunOutages({2026, 1, 1}, -20, -20, 70, OutageAngleDeg(1.8, 12));
    ASSERT_FALSE(outages.empty());
    for (const SunOutage& outage : outages) {
        const CalendarDate date = UtcDateOf(outage.start);
        const int dayOfYear =
            static_cast<int>((UtcMidnight(date) - UtcMidnight({2026, 1, 1})) / kSecondsPerDay) + 1;
        const bool spring = dayOfYear >= 57 - 3 && dayOfYear <= 57 + 3;    // 26 February
        const bool autumn = dayOfYear >= 288 - 3 && dayOfYear <= 288 + 3;  // 15 October
        EXPECT_TRUE(spring || autumn) << DateText(date);
    }
}

// A narrow beam: every pass found lasts no more than about two and a half minutes, and
// the shortest of a season, where the sun only grazes the beam, under two.
TEST(SunOutages, NarrowBeamStillFindsShortPasses) {
    const std::vector<SunOutage> outages =
        PredictSunOutages({2026, 1, 1}, 100, 100, 40, OutageAngleDeg(9, 30));
    ASSERT_GE(outages.size(), 2u);
    UtcSeconds shortest = kSecondsPerDay;
    for (const SunOutage& outage : outages) {
        shortest = std::min(shortest, outage.end - outage.start);
    }
    EXPECT_LT(shortest, 120);
    EXPECT_GT(shortest, 0);
}

// A satellite at or below the horizon never has the sun behind it: 110 degrees of
// longitude away from 40 N 100 W, or any satellite from 85 N (the arc is out of sight
// beyond 81.3 N, where 6.61 x cos(latitude) falls below 1).
TEST(SunOutages, NoneBelowTheHorizon) {
    const double angle = OutageAngleDeg(1.8, 12);
    EXPECT_TRUE(PredictSunOutages({2026, 1, 1}, -10, 100, 40, angle).empty());
    EXPECT_TRUE(PredictSunOutages({2026, 1, 1}, 210, 100, 40, angle).empty());
    EXPECT_TRUE(PredictSunOutages({2026, 1, 1}, 100, 100, 85, angle).empty());
}

TEST(SunOutages, RefusesAnOutageAngleOutOfRange) {
    const SunSeasons seasons({2026, 1, 1}, 30);
    EXPECT_THROW(PredictSunOutages(seasons, 100, 100, 40, 0), std::invalid_argument);
    EXPECT_THROW(PredictSunOutages(seasons, 100, 100, 40, kWidestOutageAngle + 1),
                 std::invalid_argument);
    EXPECT_NO_THROW(PredictSunOutages(seasons, 100, 100, 40, kWidestOutageAngle));
}

TEST(SunOutageTexts, WriteTheRowAsTheCrewReadsIt) {
    SunOutage outage;
    outage.start = At({2027, 3, 1}, 18, 49, 20);
    outage.end = At({2027, 3, 1}, 18, 54, 40);  // 320 s: 5.33 minutes
    outage.closest = At({2027, 3, 1}, 18, 52, 59);
    outage.closestDeg = 0.1268;
    const SunOutageTexts texts = OutageTexts(outage);
    EXPECT_EQ(texts.date, "2027-03-01");
    EXPECT_EQ(texts.start, "18:49:20");
    EXPECT_EQ(texts.end, "18:54:40");
    EXPECT_EQ(texts.minutes, "5.3");
    EXPECT_EQ(texts.closest, "0.13");
    EXPECT_EQ(texts.closestAt, "18:52");
}

}  // namespace
}  // namespace tarvo
