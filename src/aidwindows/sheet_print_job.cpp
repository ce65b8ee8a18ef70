#include "aidwindows/sheet_print_job.h"

#include <memory>
#include <string>

#include "aidwindows/sheet_printing.h"
#include "looklist/printer_destination.h"

namespace tarvo {

void PrintSheetOrPdf(const PointingSheet& sheet, PlatformServices& platform,
                     const PrintMessages& messages, const PdfChooser& choosePdf,
                     TextMeasure& measure, const Settings& settings) {
    std::string failed;
    std::unique_ptr<PrintJob> job = StartPrinterOrPdf(platform, messages, choosePdf, failed);
    if (!job) {
        return;
    }
    {
        PrinterDestination printer(*job, measure);
        PrintPointingSheet(sheet, printer, measure, settings);
    }
    FinishPrintJob(*job, platform, messages, failed);
}

}  // namespace tarvo
