#include "pointing/pointing_texts.h"

#include <charconv>
#include <cmath>

#include "common/failure.h"
#include "common/numeric_value.h"
#include "geometry/angles.h"
#include "geometry/look_angle.h"
#include "pointing/feed_skew.h"

namespace tarvo {
namespace {

// One decimal, whatever the regional settings: "18.2", "207.0".
std::string OneDecimal(double value) {
    char text[40];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
    return std::string(text, end);
}

// A figure with its direction: the magnitude rounded to one decimal, the word for the
// sign after it, nothing after a zero.
std::string WithDirection(double value, const char* positive, const char* negative) {
    const double magnitude = fnRound1(std::fabs(value));
    if (magnitude == 0) {
        return "0.0";
    }
    return OneDecimal(magnitude) + (value > 0 ? positive : negative);
}

}  // namespace

std::string DeclinationText(double degreesEast) {
    return WithDirection(degreesEast, " E", " W");
}

std::string FeedSkewText(double degreesClockwise) {
    return WithDirection(degreesClockwise, " clockwise", " counter-clockwise");
}

std::string MagneticAzimuthText(double trueAzimuth, double declinationEast) {
    double bearing = std::fmod(trueAzimuth - declinationEast, 360.0);
    if (bearing < 0) {
        bearing += 360;
    }
    double rounded = fnRound1(bearing);
    if (rounded >= 360) {
        rounded = 0;
    }
    return OneDecimal(rounded);
}

std::string RangeKmText(std::string_view nauticalMiles) {
    if (nauticalMiles.empty()) {
        return {};
    }
    return OneDecimal(fnRound1(NumericValue(nauticalMiles) * 1.852));
}

std::string HorizonText(double clearance) {
    const std::string figure = OneDecimal(fnRound1(std::fabs(clearance)));
    return (clearance >= 0 ? "clear by " : "blocked by ") + figure;
}

double SatelliteClearance(double satLongWest, double truckLongWest, double truckLatNorth,
                          const HorizonMask& mask) {
    const LookAngles angles = ComputeLookAngles(satLongWest, truckLongWest, truckLatNorth, 0, 0);
    return MaskClearance(mask, angles.azimuth, angles.elevation);
}

SatellitePointing PointingTexts(double satLongWest, double truckLongWest, double truckLatNorth,
                                std::optional<double> declinationEast) {
    SatellitePointing out;
    if (declinationEast) {
        const LookAngles unadjusted =
            ComputeLookAngles(satLongWest, truckLongWest, truckLatNorth, 0, 0);
        out.magneticAzimuth = MagneticAzimuthText(unadjusted.azimuth, *declinationEast);
    }
    out.feedSkew = FeedSkewText(FeedSkewDeg(satLongWest, truckLongWest, truckLatNorth));
    return out;
}

}  // namespace tarvo
