#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pointing/horizon_mask.h"

namespace tarvo {

// The figures of the pointing aid as the crew reads them, each to one decimal. Where a
// direction goes with a figure, the magnitude is rounded (halves away from zero) and the
// direction named, so that mirror images read alike: -1.25 and 1.25 are both 1.3.

// "5.6 W", "0.4 E"; "0.0" when it rounds to nothing.
std::string DeclinationText(double degreesEast);

// "18.2 clockwise", "17.9 counter-clockwise"; "0.0" when it rounds to nothing.
std::string FeedSkewText(double degreesClockwise);

// The compass bearing of a true azimuth (degrees) with the declination (degrees, east
// positive) taken off, brought into 0 to 360: "207.5"; a bearing that rounds to 360 is
// "0.0".
std::string MagneticAzimuthText(double trueAzimuth, double declinationEast);

// The slant range of a text in nautical miles ("20072.5") in kilometres, 1 nautical mile
// being 1.852 km: "37174.3". Empty for an empty text.
std::string RangeKmText(std::string_view nauticalMiles);

// The magnetic azimuth and feed skew of a satellite (degrees west) from a truck (degrees
// west and north), as the pointing aid shows them. The magnetic azimuth starts from the
// azimuth the main window gives without an antenna offset: the offset belongs to the
// antenna's own readout, not to the compass.
struct SatellitePointing {
    std::string magneticAzimuth;  // empty without a declination
    std::string feedSkew;
};

// Throws RunTimeFailure when the look angles cannot be worked out.
SatellitePointing PointingTexts(double satLongWest, double truckLongWest, double truckLatNorth,
                                std::optional<double> declinationEast);

// How a satellite stands against the horizon mask, from its clearance in degrees (see
// MaskClearance): "clear by 12.3" at or above the mask, "blocked by 4.1" below it. The
// side is that of the clearance itself, so a satellite a few hundredths under the mask
// reads "blocked by 0.0".
std::string HorizonText(double clearance);

// The clearance of a satellite (degrees west) over the mask from a truck (degrees west
// and north), worked from the true look angles as the main window gives them without
// an antenna offset. Throws RunTimeFailure when the look angles cannot be worked out.
double SatelliteClearance(double satLongWest, double truckLongWest, double truckLatNorth,
                          const HorizonMask& mask);

}  // namespace tarvo
