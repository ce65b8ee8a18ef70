#pragma once

#include "aidwindows/pointing_sheet.h"
#include "catalogue/settings.h"
#include "looklist/print_start.h"
#include "looklist/text_measure.h"
#include "platform/platform_services.h"

namespace tarvo {

// Prints `sheet` on the printer the crew chooses, or into the PDF file `choosePdf` asks
// for; a printer or file that fails is reported with `messages`.
void PrintSheetOrPdf(const PointingSheet& sheet, PlatformServices& platform,
                     const PrintMessages& messages, const PdfChooser& choosePdf,
                     TextMeasure& measure, const Settings& settings);

}  // namespace tarvo
