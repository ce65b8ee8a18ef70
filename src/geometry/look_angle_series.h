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
    LookAngleSeries(std::string_view longitude, std::string_view latitude, double azOffset,
                    double elOffset);

    // The calculation for a satellite at `satLongWest` (the text of its position box).
    // Valid until the next calculation.
    const LookAngleTexts& Calculate(std::string_view satLongWest);

    // The furthest any calculation of the series got (Rejected before the first).
    CalculationStage Furthest() const { return furthest_; }

  private:
    std::string longitude_;
    std::string latitude_;
    double azOffset_;
    double elOffset_;
    LookAngleTexts last_;
    CalculationStage furthest_ = CalculationStage::Rejected;
};

}  // namespace tarvo
