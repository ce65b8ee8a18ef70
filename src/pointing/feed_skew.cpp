#include "pointing/feed_skew.h"

#include <array>
#include <cmath>

#include "common/failure.h"
#include "geometry/angles.h"

namespace tarvo {
namespace {

// The geostationary orbit radius in earth radii, as the look angles take it.
constexpr double kOrbitRatio = 6.61;

using Vector = std::array<double, 3>;

double Dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector Cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// `a` less its part along the unit vector `v`.
Vector Across(const Vector& a, const Vector& v) {
    const double along = Dot(a, v);
    return {a[0] - along * v[0], a[1] - along * v[1], a[2] - along * v[2]};
}

}  // namespace

double FeedSkewDeg(double satLongWest, double truckLongWest, double truckLatNorth) {
    // Earth-fixed axes: x to 0 degrees longitude, y to 90 degrees east, z to the north
    // pole. West longitudes are negative east longitudes.
    const double satEast = -FnRad(satLongWest);
    const double truckEast = -FnRad(truckLongWest);
    const double lat = FnRad(truckLatNorth);
    const Vector truck = {std::cos(lat) * std::cos(truckEast), std::cos(lat) * std::sin(truckEast),
                          std::sin(lat)};
    const Vector satellite = {kOrbitRatio * std::cos(satEast), kOrbitRatio * std::sin(satEast), 0};

    const Vector toSatellite = {satellite[0] - truck[0], satellite[1] - truck[1],
                                satellite[2] - truck[2]};
    const double distance = std::sqrt(Dot(toSatellite, toSatellite));
    if (!std::isfinite(distance) || distance == 0) {
        throw RunTimeFailure("Overflow");
    }
    const Vector v = {toSatellite[0] / distance, toSatellite[1] / distance,
                      toSatellite[2] / distance};
    const Vector u = Across(truck, v);  // the truck's vertical on the sphere is its radius
    const Vector p = Across({0, 0, 1}, v);
    if (Dot(u, u) < 1e-24) {
        throw RunTimeFailure("The satellite is straight overhead");
    }

    // The signed angle from u to p about v: positive turns u towards p the way a screw
    // driven along v turns, which is clockwise to an eye looking along v.
    double skew = FnDeg(std::atan2(Dot(Cross(u, p), v), Dot(u, p)));
    // A polarization plane is a line: angles half a turn apart are the same plane.
    if (skew > 90) {
        skew -= 180;
    } else if (skew <= -90) {
        skew += 180;
    }
    return skew;
}

}  // namespace tarvo
