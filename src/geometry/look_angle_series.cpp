#include "geometry/look_angle_series.h"

#include <algorithm>

namespace tarvo {

LookAngleSeries::LookAngleSeries(std::string_view longitude, std::string_view latitude,
                                 double azOffset, double elOffset)
    : longitude_(longitude), latitude_(latitude), azOffset_(azOffset), elOffset_(elOffset) {}

const LookAngleTexts& LookAngleSeries::Calculate(std::string_view satLongWest) {
    last_ = CalculateLookAngleTexts(satLongWest, longitude_, latitude_, azOffset_, elOffset_);
    if (last_.LongitudeConverted()) {
        longitude_ = last_.longitude;
    }
    if (last_.LatitudeConverted()) {
        latitude_ = last_.latitude;
    }
    furthest_ = std::max(furthest_, last_.stage);
    return last_;
}

}  // namespace tarvo
