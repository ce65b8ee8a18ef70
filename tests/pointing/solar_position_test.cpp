// The sun's place through ERFA, the clock it is read on, and the fast pass.

#include "pointing/solar_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pointing/utc_time.h"

namespace tarvo {
namespace {

// NREL's "Solar Position Algorithm for Solar Radiation Applications" (Reda and Andreas,
// NREL/TP-560-34302, revised 2008), Table A5.1: 17 October 2003, 12:30:30 local time
// at UTC-7, 39.742476 N 105.1786 W: topocentric zenith 50.111622, azimuth 194.340241.
// The report's zenith is refracted, for 820 mbar and 11 C, by its own formula
// (equation 42): refraction = P/1010 x 283/(273 + T) x 1.02 / (60 tan(e0 + 10.3 /
// (e0 + 5.11))) degrees, e0 the elevation without it. The sun's direction here has no
// refraction, so the report's formula is put on it before comparing.
TEST(SolarPosition, MatchesTheSolarPositionReport) {
    const double instant = static_cast<double>(UtcMidnight({2003, 10, 17})) + 19 * 3600 + 30 * 60 +
                           30;  // 12:30:30 at UTC-7
    const SkyDirection sun = SunFromTruck(instant, 105.1786, 39.742476);

    const double e0 = sun.elevation;
    const double radian = std::acos(-1.0) / 180;
    const double refraction = 820.0 / 1010 * 283.0 / (273 + 11) * 1.02 /
                              (60 * std::tan((e0 + 10.3 / (e0 + 5.11)) * radian));
    EXPECT_NEAR(90 - (e0 + refraction), 50.111622, 0.01);
    EXPECT_NEAR(sun.azimuth, 194.340241, 0.01);
    // The refraction itself is about 0.016 degrees: the comparison would fail without it.
    EXPECT_GT(refraction, 0.012);
}

// The seconds of the computer's clock: 2026-03-04 is 56 x 365 + 14 leap days to
// 2026-01-01 and 31 + 28 + 3 more, 20,516 days after 1970-01-01.
TEST(UtcTime, CountsTheComputersSeconds) {
    EXPECT_EQ(UtcMidnight({2026, 3, 4}), 20516LL * 86400);
    EXPECT_EQ(UtcMidnight({1970, 1, 1}), 0);
    EXPECT_EQ(UtcDateOf(20516LL * 86400 + 86399), (CalendarDate{2026, 3, 4}));
    EXPECT_EQ(UtcDateOf(20516LL * 86400 + 86400), (CalendarDate{2026, 3, 5}));
    EXPECT_EQ(UtcClockText(20516LL * 86400 + 18 * 3600 + 49 * 60 + 20), "18:49:20");
    EXPECT_EQ(UtcClockText(20516LL * 86400), "00:00:00");
    EXPECT_EQ(UtcClockText(-1), "23:59:59");
}

// TT - UTC is TAI - UTC + 32.184 s, TAI - UTC the leap seconds of the IERS (Bulletin
// C): 32 s from 1999, 33 s from 2006, 36 s from mid-2015, 37 s from 2017 on.
TEST(UtcTime, TakesTheLeapSecondsFromErfasTable) {
    struct Case {
        CalendarDate date;
        double ttMinusUtc;
    };
    const Case cases[] = {
        {{2003, 10, 17}, 64.184},
        {{2006, 1, 2}, 65.184},
        {{2016, 6, 1}, 68.184},
        {{2026, 3, 4}, 69.184},
    };
    for (const Case& c : cases) {
        const ErfaInstant instant = ErfaInstantOf(static_cast<double>(UtcMidnight(c.date)) + 43200);
        const double apart = ((instant.tt1 - instant.ut1) + (instant.tt2 - instant.ut2)) * 86400;
        EXPECT_NEAR(apart, c.ttMinusUtc, 1e-4) << DateText(c.date);
    }
}

// The pass carries the earth along from one working-out: three hours either side it
// stays within 0.1" of working each instant out afresh (the distance within a few km,
// the moon's pull on the earth left out).
TEST(SolarPosition, PassStaysWithTheSunWorkedOutAfresh) {
    const double centre = static_cast<double>(UtcMidnight({2026, 3, 4})) + 18 * 3600 + 51 * 60;
    const SunPass pass(centre);
    for (const double hours : {-3.0, -1.0, -0.1, 0.0, 0.5, 2.0, 3.0}) {
        const double t = centre + hours * 3600;
        const ApparentSun fast = pass.At(t);
        const ApparentSun fresh = SunAt(t);
        EXPECT_LT(AngleBetween(fast.direction, fresh.direction) * 206264.8, 0.1) << hours;
        EXPECT_NEAR(fast.distanceAu, fresh.distanceAu, 5e-8) << hours;  // 7 km
    }
}

}  // namespace
}  // namespace tarvo
