#include "geometry/look_angle_texts.h"

#include "common/failure.h"
#include "common/number_text.h"
#include "common/numeric_value.h"
#include "geometry/convert_to_decimal.h"

namespace tarvo {
namespace {

// Step 1: every position above 0. A text too large to read is no position either.
bool PositionsValid(std::string_view satLongText, std::string_view longitudeText,
                    std::string_view latitudeText) {
    try {
        return NumericValue(satLongText) > 0 && NumericValue(longitudeText) > 0 &&
               NumericValue(latitudeText) > 0;
    } catch (const RunTimeFailure&) {
        return false;
    }
}

}  // namespace

LookAngleTexts CalculateLookAngleTexts(std::string_view satLongWestText,
                                       std::string_view truckLongWestText,
                                       std::string_view truckLatNorthText, double azOffsetDeg,
                                       double elOffsetDeg) {
    LookAngleTexts out;
    out.azimuthAdjusted = azOffsetDeg != 0;
    out.elevationAdjusted = elOffsetDeg != 0;
    if (!PositionsValid(satLongWestText, truckLongWestText, truckLatNorthText)) {
        return out;
    }
    try {
        out.stage = CalculationStage::FailedConvertingLongitude;
        out.longitude = NumberText(ConvertToDecimal(truckLongWestText));
        out.stage = CalculationStage::FailedConvertingLatitude;
        out.latitude = NumberText(ConvertToDecimal(truckLatNorthText));
        out.stage = CalculationStage::FailedBeforeAzimuth;
        const LookAngles angles =
            ComputeLookAngles(NumericValue(satLongWestText), NumericValue(out.longitude),
                              NumericValue(out.latitude), azOffsetDeg, elOffsetDeg);
        out.azimuth = NumberText(angles.azimuth);
        out.elevation = NumberText(angles.elevation);
        out.range = NumberText(angles.range);
        out.stage = CalculationStage::Complete;
    } catch (const LookAngleFailure& failure) {
        out.stage = failure.stage;
    } catch (const RunTimeFailure&) {
        // Converting or reading the coordinates failed: the stage already says which.
    }
    return out;
}

}  // namespace tarvo
