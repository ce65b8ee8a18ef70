#include "geometry/look_angle_texts.h"

#include "common/failure.h"
#include "common/number_text.h"
#include "common/numeric_value.h"
#include "geometry/convert_to_decimal.h"

namespace tarvo {
namespace {

// Step 1: every position above 0. A text too large to read is no position either.
bool PositionsValid(std::string_view satLong, std::string_view longitude,
                    std::string_view latitude) {
    try {
        return NumericValue(satLong) > 0 && NumericValue(longitude) > 0 &&
               NumericValue(latitude) > 0;
    } catch (const RunTimeFailure&) {
        return false;
    }
}

}  // namespace

LookAngleTexts CalculateLookAngleTexts(std::string_view satLongWest, std::string_view truckLongWest,
                                       std::string_view truckLatNorth, double azOffset,
                                       double elOffset) {
    LookAngleTexts out;
    out.azimuthAdjusted = azOffset != 0;
    out.elevationAdjusted = elOffset != 0;
    if (!PositionsValid(satLongWest, truckLongWest, truckLatNorth)) {
        return out;
    }
    try {
        out.stage = CalculationStage::FailedConvertingLongitude;
        out.longitude = NumberText(ConvertToDecimal(truckLongWest));
        out.stage = CalculationStage::FailedConvertingLatitude;
        out.latitude = NumberText(ConvertToDecimal(truckLatNorth));
        out.stage = CalculationStage::FailedBeforeAzimuth;
        const LookAngles angles =
            ComputeLookAngles(NumericValue(satLongWest), NumericValue(out.longitude),
                              NumericValue(out.latitude), azOffset, elOffset);
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
