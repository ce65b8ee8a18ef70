#pragma once

#include "common/failure.h"

namespace tarvo {

// How far one calculation got, in the order of its steps. A quantity counts as reached
// once its value, antenna offset included, is known; rounding it for display comes
// after, so a failure while rounding the azimuth is a failure before the elevation.
enum class CalculationStage {
    Rejected,                   // a position is not above 0 (or unreadable): nothing done
    FailedConvertingLongitude,  // the longitude text could not be converted
    FailedConvertingLatitude,   // the longitude is converted, the latitude could not be
    FailedBeforeAzimuth,        // both coordinates converted, no azimuth
    FailedBeforeElevation,      // the azimuth is known, no elevation
    FailedBeforeRange,          // the azimuth and the elevation are known, no range
    Complete,
};

// The pointing of the uplink dish at a geostationary satellite, rounded as shown:
// azimuth and elevation to 3 places, slant range to 1 place.
struct LookAngles {
    double azimuth = 0;              // degrees, clockwise from north, offset added
    double elevation = 0;            // degrees above the horizon, offset added
    double range = 0;                // slant range, nautical miles
    bool azimuthAdjusted = false;    // an azimuth offset was added
    bool elevationAdjusted = false;  // an elevation offset was added
};

// A failure of the look-angle arithmetic, with the point it failed before: the
// azimuth, the elevation or the range.
class LookAngleFailure : public RunTimeFailure {
  public:
    LookAngleFailure(const char* what, CalculationStage stage)
        : RunTimeFailure(what), stage(stage) {}
    CalculationStage stage;  // FailedBeforeAzimuth, FailedBeforeElevation or FailedBeforeRange
};

// The look angles from the satellite's orbital position (degrees west), the truck's
// west longitude and north latitude (degrees) and the two antenna offsets (degrees,
// 0 = none). Pure function of its arguments; throws LookAngleFailure.
LookAngles ComputeLookAngles(double satLongWestDeg, double truckLongWestDeg,
                             double truckLatNorthDeg, double azOffsetDeg, double elOffsetDeg);

}  // namespace tarvo
