#pragma once

#include <optional>
#include <string>

#include "pointing/calendar_date.h"

namespace tarvo {

class MagneticDeclination;

// The declination at the truck on a day, as the pointing aid shows it: the figure and,
// under it, the model and the date it comes from, or why there is none.
struct DeclinationReading {
    std::optional<double> degreesEast;  // nothing when there is no declination
    std::string text;                   // "5.6 W"; empty without a declination
    std::string note;                   // "WMM2025, 2026-12-07", or the reason for none
};

// At height 0, the truck's latitude (degrees north) taken as geodetic, its longitude in
// degrees west, on `date` taken as a decimal year. `model` is nothing when the model
// could not be read, and `modelError` then says why.
DeclinationReading ReadDeclination(const MagneticDeclination* model, const std::string& modelError,
                                   double latNorth, double lonWest, const CalendarDate& date);

}  // namespace tarvo
