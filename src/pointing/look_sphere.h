#pragma once

#include "pointing/vector3.h"

namespace tarvo {

// The earth as the look angles take it: a sphere of radius 1, the geostationary orbit
// 6.61 of its radii from its centre in the plane of the equator. Positions are in earth
// radii in the earth-fixed axes; longitudes are given in degrees west (east negative),
// latitudes in degrees north, as the main window takes them.
inline constexpr double kLookOrbitRadius = 6.61;

// The earth's radius in metres, to bring distances in metres onto the sphere.
inline constexpr double kEarthRadiusMetres = 6378137;

Vector3 TruckPosition(double truckLongWest, double truckLatNorth);

Vector3 SatellitePosition(double satLongWest);

// The truck's own directions: east and north along the ground, up from the centre.
struct TruckAxes {
    Vector3 east{}, north{}, up{};
};

TruckAxes AxesAt(double truckLongWest, double truckLatNorth);

// A direction seen from the truck: azimuth in degrees true (0 to 360, clockwise from
// north) and elevation in degrees above the horizon, without refraction.
struct SkyDirection {
    double azimuth = 0;
    double elevation = 0;
};

SkyDirection DirectionFromTruck(const Vector3& towards, const TruckAxes& axes);

}  // namespace tarvo
