#include "pointing/look_sphere.h"

#include <cmath>
#include <numbers>

namespace tarvo {

namespace {

constexpr double kRadian = std::numbers::pi / 180;

}  // namespace

Vector3 TruckPosition(double truckLongWest, double truckLatNorth) {
    return AxesAt(truckLongWest, truckLatNorth).up;
}

Vector3 SatellitePosition(double satLongWest) {
    const double east = -satLongWest * kRadian;
    return {kLookOrbitRadius * std::cos(east), kLookOrbitRadius * std::sin(east), 0};
}

TruckAxes AxesAt(double truckLongWest, double truckLatNorth) {
    const double east = -truckLongWest * kRadian;
    const double north = truckLatNorth * kRadian;
    const double ce = std::cos(east), se = std::sin(east);
    const double cn = std::cos(north), sn = std::sin(north);
    return {{-se, ce, 0}, {-sn * ce, -sn * se, cn}, {cn * ce, cn * se, sn}};
}

SkyDirection DirectionFromTruck(const Vector3& towards, const TruckAxes& axes) {
    const double up = Dot(towards, axes.up);
    const double east = Dot(towards, axes.east);
    const double north = Dot(towards, axes.north);
    double azimuth = std::atan2(east, north) / kRadian;
    if (azimuth < 0) {
        azimuth += 360;
    }
    return {azimuth, std::atan2(up, std::hypot(east, north)) / kRadian};
}

}  // namespace tarvo
