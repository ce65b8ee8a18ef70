#pragma once

#include "common/failure.h"

namespace tarvo {

// The pointing of the uplink dish at a geostationary satellite, rounded as shown:
// azimuth and elevation to 3 places, slant range to 1 place.
struct LookAngles {
    double azimuth = 0;              // degrees, clockwise from north, offset added
    double elevation = 0;            // degrees above the horizon, offset added
    double range = 0;                // slant range, nautical miles
    bool azimuthAdjusted = false;    // an azimuth offset was added
    bool elevationAdjusted = false;  // an elevation offset was added
};

// A failure of the calculation. The window changes the caption over the azimuth box
// before it rounds the azimuth and the one over the elevation box before it rounds
// the elevation; `captionsDecided` tells how many of the two captions had been decided
// (0, 1 or 2) when the failure happened, so that the window can leave them exactly as
// a step-by-step calculation would.
class LookAngleFailure : public RunTimeFailure {
  public:
    LookAngleFailure(const char* what, int captionsDecided)
        : RunTimeFailure(what), captionsDecided(captionsDecided) {}
    int captionsDecided;
};

// The look angles from the satellite's orbital position (degrees west), the truck's
// west longitude and north latitude (degrees) and the two antenna offsets (degrees,
// 0 = none). Pure function of its arguments; throws LookAngleFailure.
LookAngles ComputeLookAngles(double satLongWest, double truckLongWest, double truckLatNorth,
                             double azOffset, double elOffset);

}  // namespace tarvo
