// Today's sun on the sky view: its path against directions worked out by hand, and the
// point where it passes behind a satellite on a day of an outage.

#include "aidwindows/sky_sun_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "pointing/sun_outage.h"

namespace tarvo {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// From 40 N on the satellite's own meridian the satellite stands due south, at the
// elevation where tan(el) = (cos 40 - 1/6.61) / sin 40 = (0.76604 - 0.15129) / 0.64279
// = 0.95639: 43.72 degrees.
constexpr double kSatelliteElevation = 43.72;

TEST(SkySunPath, OnAnOutageDayTheSunCrossesTheSatelliteWithinTheOutageAngle) {
    SkySunPath path = BuildSunPath(CalendarDate{2026, 3, 4}, 100, 40);
    ASSERT_TRUE(path.valid);
    // A point every five minutes of the day, whole hours among them.
    EXPECT_EQ(path.points.size(), 24u * 12 + 1);
    EXPECT_EQ(path.points.front().at % 300, 0);
    AddSunCrossing(path, "Worked", 100, 100, 40, 0.756);
    ASSERT_TRUE(path.crossing.has_value());
    const SkySunCrossing& crossing = *path.crossing;
    // The worked example's 4 March: 18:48:40 to 18:54:40 UTC, each edge within 20 s.
    const UtcSeconds midnight = UtcMidnight(CalendarDate{2026, 3, 4});
    EXPECT_NEAR(static_cast<double>(crossing.outage.start - midnight), 18 * 3600 + 48 * 60 + 40,
                20);
    EXPECT_NEAR(static_cast<double>(crossing.outage.end - midnight), 18 * 3600 + 54 * 60 + 40, 20);
    // Where the sun stands then: within the outage angle of the satellite, due south at
    // 43.72. An azimuth difference counts cos(elevation) on the sky.
    const double daz = (crossing.closest.azimuth - 180) * std::cos(kSatelliteElevation * kDegree);
    const double del = crossing.closest.elevation - kSatelliteElevation;
    EXPECT_LT(std::hypot(daz, del), 0.756 + 0.01);
    EXPECT_EQ(crossing.closest.at, crossing.outage.closest);
    const std::string text = SunPathText(path);
    EXPECT_NE(text.find("; behind Worked from "), std::string::npos) << text;

    // On midsummer day the sun is far north of the satellite: no crossing.
    SkySunPath summer = BuildSunPath(CalendarDate{2026, 6, 21}, 100, 40);
    AddSunCrossing(summer, "Worked", 100, 100, 40, 0.756);
    EXPECT_FALSE(summer.crossing.has_value());
    EXPECT_EQ(SunPathText(summer).find("behind"), std::string::npos);
}

// At the equinox the sun rises due east, stands 90 - latitude at noon and sets due west
// (its declination is within 0.2 degree of 0 through 20 March 2026, moving 0.4 a day;
// at 60 N a tenth of a degree of declination moves the rising by cos 60 = 0.5 of it);
// refraction is left out.
TEST(SkySunPath, RisingNoonAndSettingAtTheEquinox) {
    struct Case {
        double longWest, latNorth;
    };
    for (const Case c : {Case{100, 40}, Case{84.39, 33.75}, Case{-25, 60}}) {
        const SkySunPath path = BuildSunPath(CalendarDate{2026, 3, 20}, c.longWest, c.latNorth);
        ASSERT_TRUE(path.rise && path.set) << c.latNorth;
        EXPECT_NEAR(path.rise->elevation, 0, 0.01);
        EXPECT_NEAR(path.set->elevation, 0, 0.01);
        EXPECT_NEAR(path.rise->azimuth, 90, 0.5) << c.latNorth;
        EXPECT_NEAR(path.set->azimuth, 270, 0.5) << c.latNorth;
        // Noon within five minutes' step: the sun's height changes little near it.
        EXPECT_NEAR(path.highest.elevation, 90 - c.latNorth, 0.3) << c.latNorth;
        // Twelve hours apart, give or take the day's change of declination.
        EXPECT_NEAR(static_cast<double>(path.set->at - path.rise->at), 12 * 3600, 120);
    }
}

TEST(SkySunPath, PolarNightAndPolarDayAreSaidSo) {
    // 78 N in midwinter and midsummer: 78 + 23.4 > 90.
    EXPECT_EQ(SunPathText(BuildSunPath(CalendarDate{2026, 12, 21}, -15, 78)),
              "Sun: below the horizon all day.");
    const std::string day = SunPathText(BuildSunPath(CalendarDate{2026, 6, 21}, -15, 78));
    EXPECT_EQ(day.rfind("Sun: above the horizon all day, highest ", 0), 0u) << day;
}

}  // namespace
}  // namespace tarvo
