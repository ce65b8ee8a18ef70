#pragma once

#include <string>
#include <string_view>

#include "geometry/look_angle.h"

namespace tarvo {

// One calculation from the texts of the three input boxes to the texts of the five
// boxes it writes.
struct LookAngleTexts {
    CalculationStage stage = CalculationStage::Rejected;
    // The coordinates rewritten in decimal degrees; set once converted.
    std::string longitude;
    std::string latitude;
    // The rounded results; set only when the calculation is complete.
    std::string azimuth;
    std::string elevation;
    std::string range;
    bool azimuthAdjusted = false;    // an azimuth offset is added
    bool elevationAdjusted = false;  // an elevation offset is added

    bool LongitudeConverted() const { return stage >= CalculationStage::FailedConvertingLatitude; }
    bool LatitudeConverted() const { return stage >= CalculationStage::FailedBeforeAzimuth; }
    bool AzimuthReached() const { return stage >= CalculationStage::FailedBeforeElevation; }
    bool ElevationReached() const { return stage >= CalculationStage::FailedBeforeRange; }
    bool Complete() const { return stage == CalculationStage::Complete; }
};

// The calculation on texts, in this order:
//  1. each of the satellite's west longitude, the truck's west longitude and its north
//     latitude must read (NumericValue) above 0, checked in that order; otherwise the
//     calculation is rejected;
//  2. the longitude, then the latitude, is converted to decimal degrees
//     (ConvertToDecimal) and written as text (NumberText);
//  3. the look angles are computed from the satellite text and the two converted
//     texts read again (so 40 30 15 is computed as 40.5042, the text shown), with the
//     offsets in degrees (0 = none), and written as text.
// A run-time failure ends the calculation where it happens; `stage` tells how far it
// got. Never throws RunTimeFailure.
LookAngleTexts CalculateLookAngleTexts(std::string_view satLongWestText,
                                       std::string_view truckLongWestText,
                                       std::string_view truckLatNorthText, double azOffsetDeg,
                                       double elOffsetDeg);

}  // namespace tarvo
