#include "pointing/solar_position.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "pointing/utc_time.h"

namespace tarvo {

namespace {

// The sun's pull in AU cubed a day squared: the Gaussian gravitational constant squared.
constexpr double kSunPull = 0.01720209895 * 0.01720209895;

Vector3 Of(const double v[3]) {
    return {v[0], v[1], v[2]};
}

}  // namespace

SunPass::SunPass(double centre) : centre_(centre) {
    const ErfaInstant instant = ErfaInstantOf(centre);
    ut1_ = instant.ut1;
    ut2_ = instant.ut2;

    // The ephemeris takes barycentric dynamical time, which stays within 2 ms of TT.
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(instant.tt1, instant.tt2, heliocentric, barycentric);
    earth_ = Of(heliocentric[0]);
    earthVelocity_ = Of(heliocentric[1]);
    sunVelocity_ = Of(barycentric[1]) - Of(heliocentric[1]);
    aberration_ = (ERFA_AULT / ERFA_DAYSEC) * Of(barycentric[1]);

    eraC2t06a(instant.tt1, instant.tt2, ut1_, ut2_, 0, 0, toEarth_);
    rotation_ = eraEra00(ut1_, ut2_);
}

ApparentSun SunPass::At(double seconds) const {
    const double days = (seconds - centre_) / ERFA_DAYSEC;

    // The earth along its orbit, bent towards the sun.
    const double distance = Length(earth_);
    const double pull = 0.5 * kSunPull / (distance * distance * distance) * days * days;
    const Vector3 earth = earth_ + days * earthVelocity_ - pull * earth_;

    // Where the sun was when the light now arriving left it.
    const double sunDistance = Length(earth);
    const double lightDays = sunDistance * ERFA_AULT / ERFA_DAYSEC;
    Vector3 sun = (-1.0) * earth - lightDays * sunVelocity_;
    sun = (1 / Length(sun)) * sun;

    double natural[3] = {sun[0], sun[1], sun[2]};
    double velocity[3] = {aberration_[0], aberration_[1], aberration_[2]};
    double apparent[3];
    eraAb(natural, velocity, sunDistance, std::sqrt(1 - Dot(aberration_, aberration_)), apparent);

    // The earth turned on from the centre by its rotation angle.
    double toEarth[3][3];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            toEarth[row][column] = toEarth_[row][column];
        }
    }
    eraRz(eraEra00(ut1_, ut2_ + days) - rotation_, toEarth);
    double direction[3];
    eraRxp(toEarth, apparent, direction);
    return {Of(direction), sunDistance};
}

ApparentSun SunAt(double seconds) {
    return SunPass(seconds).At(seconds);
}

Vector3 SunFromPosition(const ApparentSun& sun, const Vector3& truck) {
    return (sun.distanceAu * ERFA_DAU / kEarthRadiusMetres) * sun.direction - truck;
}

SkyDirection SunFromTruck(double seconds, double truckLongWest, double truckLatNorth) {
    const TruckAxes axes = AxesAt(truckLongWest, truckLatNorth);
    return DirectionFromTruck(SunFromPosition(SunAt(seconds), axes.up), axes);
}

}  // namespace tarvo
