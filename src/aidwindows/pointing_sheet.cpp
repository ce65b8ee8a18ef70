#include "aidwindows/pointing_sheet.h"
#include "aidwindows/height_text.h"
#include "aidwindows/tab_separated.h"

#include "common/failure.h"
#include "common/fixed_text.h"
#include "common/number_text.h"
#include "common/numeric_value.h"
#include "geometry/look_angle_texts.h"
#include "looklist/look_list_layout.h"
#include "pointing/pointing_texts.h"

namespace tarvo {
namespace {

std::vector<std::string> Row(const SatelliteRecord& satellite, const ShownCalculation& shown,
                             const Settings& settings, const HorizonMask& mask,
                             const DeclinationReading& declination) {
    const std::string slot = NumberText(satellite.SatLong);
    std::vector<std::string> row{TrimSpaces(satellite.SatName), slot + "W"};
    const LookAngleTexts angles = CalculateLookAngleTexts(slot, shown.longitude, shown.latitude,
                                                          settings.AzOffset, settings.ElOffset);
    if (!angles.Complete()) {
        return row;
    }
    SatellitePointing pointing;
    std::string horizon;
    try {
        const double satLong = NumericValue(slot);
        const double longitude = NumericValue(angles.longitude);
        const double latitude = NumericValue(angles.latitude);
        pointing = PointingTexts(satLong, longitude, latitude, declination.degreesEast);
        horizon = HorizonText(SatelliteClearance(satLong, longitude, latitude, mask));
    } catch (const RunTimeFailure&) {
        // The look angles came out: the aid's figures stay empty beside them.
    }
    row.insert(row.end(), {angles.azimuth, pointing.magneticAzimuth, angles.elevation, horizon,
                           pointing.feedSkew, angles.range});
    return row;
}

}  // namespace

std::string PointingSheet::PlainText() const {
    std::string text;
    for (const std::string& heading : this->heading) {
        AppendTabSeparatedLine(text, {heading});
    }
    AppendTabSeparatedLine(text, columns);
    for (const std::vector<std::string>& row : rows) {
        AppendTabSeparatedLine(text, row);
    }
    AppendTabSeparatedLine(text, {footnote});
    return text;
}

PointingSheet MakePointingSheet(const ShownCalculation& shown, const SatelliteTable& catalogue,
                                const std::vector<std::int16_t>& lookListRows,
                                const Settings& settings, const HorizonMask& mask,
                                const DeclinationReading& declination, const CalendarDate& date) {
    PointingSheet sheet;
    sheet.heading.push_back(shown.locationName.empty() ? "Pointing Sheet" : shown.locationName);
    const std::string height =
        shown.gpsHeight ? ", height " + HeightText(*shown.gpsHeight) : std::string();
    sheet.heading.push_back(PositionLine(shown.longitude, shown.latitude) + height + "    " +
                            DateText(date));
    sheet.heading.push_back(declination.degreesEast
                                ? "Declination: " + declination.text + " (" + declination.note + ")"
                                : declination.note);
    sheet.columns = {"Satellite",
                     "Slot",
                     settings.AzOffset != 0 ? "Adjusted Azimuth" : "Azimuth",
                     "Magnetic Azimuth",
                     settings.ElOffset != 0 ? "Adjusted Elevation" : "Elevation",
                     "Horizon",
                     "Feed Skew",
                     "Range"};
    for (const std::int16_t row : lookListRows) {
        if (row >= 1 && row <= catalogue.SatLast()) {
            sheet.rows.push_back(Row(catalogue.Row(row), shown, settings, mask, declination));
        }
    }
    sheet.footnote = "Feed skew as seen from behind the dish; range in nautical miles. Horizon: ";
    sheet.footnote += mask.empty()
                          ? "clearance over a flat horizon, no mask for this place."
                          : "clearance over the horizon mask of " + std::to_string(mask.size()) +
                                (mask.size() == 1 ? " point." : " points.");
    return sheet;
}

}  // namespace tarvo
