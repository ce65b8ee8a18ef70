#pragma once

#include <cstdint>
#include <vector>

namespace tarvo::test {

// An outage as a plain scan finds it: the sun and the satellite looked at in steps of
// 20 s.
struct ScannedOutage {
    std::int64_t start = 0;   // the first sample inside, seconds since 1970 (UTC)
    std::int64_t end = 0;     // the first sample after it
    double closestDeg = 180;  // the smallest angle among the samples
};

// The angle between the satellite (degrees west) and the sun from a truck (degrees west
// and north) on the sphere of the look angles, the sun from the Astronomical Almanac's
// low-precision formulas for the sun (section C, "Sun, low precision": 0.01 degree from
// 1950 to 2050) and the earth turned by the mean sidereal time of the US Naval
// Observatory's "Computing Greenwich Apparent Sidereal Time" (GMST = 18.697374558 +
// 24.06570982441908 D hours, D days from 2000 January 1, 12h UT).
double AlmanacAngleDeg(double seconds, double satLongWest, double truckLongWest,
                       double truckLatNorth);

// Every run of samples 20 s apart inside the outage angle that starts within
// [from, from + days x 86400).
std::vector<ScannedOutage> ScanOutages(std::int64_t from, int days, double satLongWest,
                                       double truckLongWest, double truckLatNorth,
                                       double outageAngleDeg);

}  // namespace tarvo::test
