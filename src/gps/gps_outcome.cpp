#include "gps/gps_outcome.h"

#include <charconv>
#include <cmath>

namespace tarvo {

GpsOutcome JudgeFix(const PositionReport& fix) {
    GpsOutcome judged;
    judged.report = fix;
    const bool south = *fix.latitude < 0;
    const bool east = *fix.longitude > 0;
    judged.kind = (south || east) ? GpsOutcome::Kind::OutOfRange : GpsOutcome::Kind::Position;
    return judged;
}

std::string FourDecimals(double degrees) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, degrees, std::chars_format::fixed, 4);
    std::string fixed(text, end.ptr);
    if (fixed == "-0.0000") {
        fixed.erase(0, 1);
    }
    return fixed;
}

namespace {

std::string OutOfRangeText(const PositionReport& fix, std::string_view lineBreak) {
    const bool south = *fix.latitude < 0;
    const bool east = *fix.longitude > 0;
    const std::string latitude = "latitude " + FourDecimals(std::fabs(*fix.latitude)) + " S";
    const std::string longitude = "longitude " + FourDecimals(*fix.longitude) + " E";
    std::string text = "The GPS position lies ";
    if (south && east) {
        text += "south of the equator and east of Greenwich (" + latitude + ", " + longitude + ").";
    } else if (south) {
        text += "south of the equator (" + latitude + ").";
    } else {
        text += "east of Greenwich (" + longitude + ").";
    }
    text += lineBreak;
    text +=
        "SNG Tarvo works with north latitudes and west longitudes only; the position "
        "was not used.";
    return text;
}

}  // namespace

std::string GpsOutcomeText(const GpsOutcome& outcome, std::string_view address,
                           std::string_view lineBreak) {
    const std::string service = "The GPS service at " + std::string(address);
    switch (outcome.kind) {
        case GpsOutcome::Kind::Position:
            return {};
        case GpsOutcome::Kind::OutOfRange:
            return OutOfRangeText(outcome.report, lineBreak);
        case GpsOutcome::Kind::CannotReach:
            return "Cannot reach the GPS service at " + std::string(address) + ": " +
                   outcome.reason;
        case GpsOutcome::Kind::NoFix:
            return "The GPS receiver has no position fix yet.";
        case GpsOutcome::Kind::ReportsStopped:
            return service + " stopped sending position reports." + std::string(lineBreak) +
                   "Check that the GPS receiver is connected.";
        case GpsOutcome::Kind::Closed:
            return service + " closed the connection before the receiver gave a position.";
        case GpsOutcome::Kind::Garbage:
            return service + " sent something that is not a gpsd report." + std::string(lineBreak) +
                   "Check that gpsd is the service at that address.";
    }
    return {};
}

}  // namespace tarvo
