#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aidwindows/main_window_view.h"
#include "pointing/calendar_date.h"
#include "pointing/declination_reading.h"
#include "pointing/horizon_mask.h"

namespace tarvo {

// The crew sheet: the figures of every look-list satellite from the place of the main
// window's last calculation, to tape to the dashboard.
struct PointingSheet {
    // The place, its position and the date, and the declination used.
    std::vector<std::string> heading;
    // Satellite, slot, azimuth, magnetic azimuth, elevation, horizon, feed skew, range.
    std::vector<std::string> columns;
    // One row per look-list satellite, in the look list's order; a satellite whose look
    // angles cannot be worked out from the place has its name and slot only.
    std::vector<std::vector<std::string>> rows;
    std::string footnote;

    // The sheet as text: one line each, the columns of a row separated by tabs.
    std::string PlainText() const;
};

// The azimuth and elevation of each row are the main window's, offsets included, as its
// look list gives them; the magnetic azimuth, the feed skew and the satellite's
// clearance over `mask` (the horizon mask of the place, from the true directions) are the
// pointing aid's.
PointingSheet MakePointingSheet(const ShownCalculation& shown, const SatelliteTable& catalogue,
                                const std::vector<std::int16_t>& lookListRows,
                                const Settings& settings, const HorizonMask& mask,
                                const DeclinationReading& declination, const CalendarDate& date);

}  // namespace tarvo
