#pragma once

#include "pointing/look_sphere.h"
#include "pointing/vector3.h"

namespace tarvo {

// The sun as seen from the earth's centre at one instant: its apparent direction (the
// light's travel time and the aberration of the earth's motion taken in) as a unit
// vector in the earth-fixed axes, and its distance in astronomical units. The axes are
// those of the celestial intermediate pole and the earth rotation angle, polar motion
// left out, so z is the pole the earth turns about.
struct ApparentSun {
    Vector3 direction{};
    double distanceAu = 0;
};

// The sun over a few hours around one instant, where many instants are needed: ERFA's
// ephemeris of the earth and its celestial-to-terrestrial matrix are worked out once,
// at the centre; for the seconds around it the earth is carried along its orbit by its
// velocity and the sun's pull, and turned by its rotation angle, precession and
// nutation held. Over three hours either side that stays within 0.1" of working each
// instant out afresh.
class SunPass {
  public:
    // `centre`: seconds since 1970-01-01 00:00:00 UTC.
    explicit SunPass(double centre);

    ApparentSun At(double seconds) const;

  private:
    double centre_ = 0;
    double ut1_ = 0, ut2_ = 0;  // UT1 at the centre, as a two-part Julian date
    double rotation_ = 0;       // the earth rotation angle there, radians
    double toEarth_[3][3]{};    // celestial to earth-fixed there
    Vector3 earth_{};           // the earth from the sun, AU
    Vector3 earthVelocity_{};   // its velocity about the sun, AU a day
    Vector3 sunVelocity_{};     // the sun's about the solar system's centre, AU a day
    Vector3 aberration_{};      // the earth's velocity about that centre over c
};

// The sun at one instant, worked out afresh: the earth's place from ERFA's eraEpv00,
// the earth-fixed axes from eraC2t06a with UT1 taken as UTC and no polar motion.
ApparentSun SunAt(double seconds);

// The sun's direction from a truck on the sphere of the look angles (degrees west and
// north) at an instant, refraction left out.
SkyDirection SunFromTruck(double seconds, double truckLongWest, double truckLatNorth);

// Where the sun stands from a truck, in earth radii, given its apparent place.
Vector3 SunFromPosition(const ApparentSun& sun, const Vector3& truck);

}  // namespace tarvo
