#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform_services.h"

namespace tarvo {

// What the crew is told around one printed document (the look list, the pointing
// sheet): the first line of a failure to print and of a failure to save the PDF offered
// instead, the line break of message texts and the title of the message boxes.
struct PrintMessages {
    std::string notPrinted;  // "The look list could not be printed."
    std::string notSaved;    // "The look list could not be saved."
    std::string lineBreak;
    std::string title;
};

// The PDF file the crew chooses (checked and confirmed as the document needs), or
// nothing when they cancel or the name is refused.
using PdfChooser = std::function<std::optional<std::string>()>;

// A print document on the default printer; where printers are set up but none is the
// default, on the one the crew chooses in the print dialog; where none is set up and
// the crew wants it, a PDF file laid out as on paper, named through `choosePdf`. A
// printer that cannot be started and a file that cannot be written are reported;
// nothing then. `failed` receives the first line of the message for a failure later in
// the job (notPrinted or notSaved).
std::unique_ptr<PrintJob> StartPrinterOrPdf(PlatformServices& platform,
                                            const PrintMessages& messages,
                                            const PdfChooser& choosePdf, std::string& failed);

// Ends the document and releases it; a failure of the printer at any point of the job
// is reported under `failed`. True when the document went out whole.
bool FinishPrintJob(PrintJob& job, PlatformServices& platform, const PrintMessages& messages,
                    const std::string& failed);

}  // namespace tarvo
