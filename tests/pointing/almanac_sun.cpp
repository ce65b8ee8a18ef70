#include "almanac_sun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvo::test {

namespace {

constexpr double kRad = std::numbers::pi / 180;

// 2000 January 1, 12h as seconds since 1970, and the earth radii in an AU.
constexpr double kJ2000 = 946728000;
constexpr double kEarthRadiiPerAu = 149597870.7 / 6378.137;

}  // namespace

double AlmanacAngleDeg(double seconds, double satLongWest, double truckLongWest,
                       double truckLatNorth) {
    const double n = (seconds - kJ2000) / 86400;
    const double L = 280.460 + 0.9856474 * n;
    const double g = (357.528 + 0.9856003 * n) * kRad;
    const double lambda = (L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kRad;
    const double epsilon = (23.439 - 0.0000004 * n) * kRad;
    const double distance = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2 * g);
    const double ra = std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
    const double dec = std::asin(std::sin(epsilon) * std::sin(lambda));
    const double gmstHours = 18.697374558 + 24.06570982441908 * n;
    const double sunEast = ra - std::fmod(gmstHours, 24) * 15 * kRad;

    const double r = distance * kEarthRadiiPerAu;
    const double sun[3] = {r * std::cos(dec) * std::cos(sunEast),
                           r * std::cos(dec) * std::sin(sunEast), r * std::sin(dec)};
    const double lo = -truckLongWest * kRad, la = truckLatNorth * kRad;
    const double truck[3] = {std::cos(la) * std::cos(lo), std::cos(la) * std::sin(lo),
                             std::sin(la)};
    const double s = -satLongWest * kRad;
    const double sat[3] = {6.61 * std::cos(s), 6.61 * std::sin(s), 0};

    double a[3], b[3];
    for (int i = 0; i < 3; ++i) {
        a[i] = sat[i] - truck[i];
        b[i] = sun[i] - truck[i];
    }
    const double dot = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    const double norms = std::sqrt((a[0] * a[0] + a[1] * a[1] + a[2] * a[2]) *
                                   (b[0] * b[0] + b[1] * b[1] + b[2] * b[2]));
    return std::acos(std::fmin(1.0, dot / norms)) / kRad;
}

std::vector<ScannedOutage> ScanOutages(std::int64_t from, int days, double satLongWest,
                                       double truckLongWest, double truckLatNorth,
                                       double outageAngleDeg) {
    std::vector<ScannedOutage> found;
    const std::int64_t to = from + static_cast<std::int64_t>(days) * 86400;
    bool inside = false;
    for (std::int64_t t = from - 86400, step = 20; t < to + 86400; t += step) {
        const double angle =
            AlmanacAngleDeg(static_cast<double>(t), satLongWest, truckLongWest, truckLatNorth);
        // The sun sweeps less than 0.3 degree a minute past the satellite: the samples
        // that cannot be inside yet are passed over, keeping to the 20 s steps.
        step = 20 * std::max<std::int64_t>(
                        1, static_cast<std::int64_t>((angle - outageAngleDeg) / 0.3 * 3));
        if (angle < outageAngleDeg) {
            if (!inside) {
                found.push_back({t, t, angle});
                inside = true;
            }
            found.back().closestDeg = std::fmin(found.back().closestDeg, angle);
        } else if (inside) {
            found.back().end = t;
            inside = false;
        }
    }
    std::erase_if(found, [&](const ScannedOutage& o) { return o.start < from || o.start >= to; });
    return found;
}

}  // namespace tarvo::test
