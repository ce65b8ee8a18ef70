#pragma once

#include "aidwindows/pointing_sheet.h"
#include "catalogue/settings.h"
#include "looklist/output_destination.h"
#include "looklist/text_measure.h"

namespace tarvo {

// The crew sheet on paper, in the printer settings of the look list: its font, the left
// and top margins and the extra space after each row. The heading and the column
// captions are bold, the title one and a half times the size. The table is printed at
// the font size of the settings when it fits between the left margin and an equal right
// margin, else at the largest size down to 6 points that fits. A row that would pass the
// bottom of the page goes to a new one under the column captions.
void PrintPointingSheet(const PointingSheet& sheet, OutputDestination& out, TextMeasure& measure,
                        const Settings& settings);

}  // namespace tarvo
