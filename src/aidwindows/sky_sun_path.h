#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pointing/calendar_date.h"
#include "pointing/sun_outage.h"
#include "pointing/utc_time.h"

namespace tarvo {

// The sun at one instant as the truck sees it, in true directions (refraction left out).
struct SkySunPoint {
    UtcSeconds at = 0;
    double azimuth = 0;    // degrees true
    double elevation = 0;  // degrees, negative below the horizon
};

// Where the sun's path passes behind a satellite: its outage and where the sun stands at
// the closest moment.
struct SkySunCrossing {
    std::string satellite;  // "Galaxy 19" (program text)
    SunOutage outage;
    SkySunPoint closest;
};

// The sun's path across the sky on one day from a truck: every five minutes of the
// truck's solar day (the 24 hours around its noon by longitude, so that the afternoon
// of a truck in the west is not cut at midnight UTC), with its rising and setting.
struct SkySunPath {
    bool valid = false;  // false: no place to look from
    std::vector<SkySunPoint> points;
    std::optional<SkySunPoint> rise, set;  // to the second; none in a polar day or night
    SkySunPoint highest;
    std::optional<SkySunCrossing> crossing;
};

// The minutes between two points of the path.
inline constexpr int kSunPathStepMinutes = 5;

// The path on `day` (UTC date) from a truck (degrees west and north).
SkySunPath BuildSunPath(const CalendarDate& day, double truckLongWest, double truckLatNorth);

// Marks where the path passes behind the satellite (degrees west) within the outage angle,
// when it does that day.
void AddSunCrossing(SkySunPath& path, const std::string& satellite, double satLongWest,
                    double truckLongWest, double truckLatNorth, double outageAngleDeg);

// What a screen reader says of the path, times in UTC: "Sun: rises 12:31 UTC at azimuth
// 117.9, highest 35.2 at 17:35, sets 22:39 at azimuth 242.1; behind Galaxy 19 from
// 18:49:20 to 18:54:40 UTC, closest 0.12 at 18:52, azimuth 201.9, elevation 48.5."
std::string SunPathText(const SkySunPath& path);

}  // namespace tarvo
