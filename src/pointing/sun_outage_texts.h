#pragma once

#include <string>

#include "pointing/sun_outage.h"

namespace tarvo {

// One outage as a row of the table, in UTC.
struct SunOutageTexts {
    std::string date;       // the day it starts: "2027-03-01"
    std::string start;      // "18:49:20"
    std::string end;        // "18:54:40"
    std::string minutes;    // how long, to a tenth of a minute: "5.3"
    std::string closest;    // the smallest angle, degrees to two places: "0.12"
    std::string closestAt;  // the minute it is smallest: "18:52"
};

SunOutageTexts OutageTexts(const SunOutage& outage);

// The outage angle as the crew reads it, degrees to three places: "0.756".
std::string OutageAngleText(double degrees);

}  // namespace tarvo
