#include "geometry/look_angle_series.h"

#include <algorithm>

namespace tarvo {

LookAngleSeries::LookAngleSeries(std::string_view longitudeText, std::string_view latitudeText,
                                 double azOffsetDeg, double elOffsetDeg)
    : longitudeText_(longitudeText),
      latitudeText_(latitudeText),
      azOffsetDeg_(azOffsetDeg),
      elOffsetDeg_(elOffsetDeg) {}

const LookAngleTexts& LookAngleSeries::Calculate(std::string_view satLongWestText) {
    last_ = CalculateLookAngleTexts(satLongWestText, longitudeText_, latitudeText_, azOffsetDeg_,
                                    elOffsetDeg_);
    if (last_.LongitudeConverted()) {
        longitudeText_ = last_.longitude;
    }
    if (last_.LatitudeConverted()) {
        latitudeText_ = last_.latitude;
    }
    furthest_ = std::max(furthest_, last_.stage);
    return last_;
}

}  // namespace tarvo
