#pragma once

#include <string>
#include <string_view>

#include "geometry/look_angle_texts.h"

namespace tarvo {

// Calculations for one satellite after another from the same truck position, each made
// as the main window makes it from the texts of its boxes: a calculation that converts
// the truck's coordinates rewrites them in decimal degrees, and the next calculation
// reads them as rewritten.
class LookAngleSeries {
  public:
    // The coordinate texts as the boxes hold them before the first calculation.
    LookAngleSeries(std::string_view longitudeText, std::string_view latitudeText,
                    double azOffsetDeg, double elOffsetDeg);

    // The calculation for a satellite at `satLongWestText` (the text of its position
    // box). Valid until the next calculation.
    const LookAngleTexts& Calculate(std::string_view satLongWestText);

    // The furthest any calculation of the series got (Rejected before the first).
    CalculationStage Furthest() const { return furthest_; }

  private:
    std::string longitudeText_;  // as the next calculation reads it
    std::string latitudeText_;
    double azOffsetDeg_;
    double elOffsetDeg_;
    LookAngleTexts last_;
    CalculationStage furthest_ = CalculationStage::Rejected;
};

}  // namespace tarvo
