#include "looklist/print_start.h"

#include <optional>

namespace tarvo {

std::unique_ptr<PrintJob> StartPrinterOrPdf(PlatformServices& platform,
                                            const PrintMessages& messages,
                                            const PdfChooser& choosePdf, std::string& failed) {
    failed = messages.notPrinted;
    PrintJobStart start = platform.startDefaultPrinterJob();
    if (!start.job && start.noDefaultPrinter) {
        start = platform.startChosenPrinterJob();
        if (start.cancelled) {
            return nullptr;
        }
    }
    if (start.job) {
        return std::move(start.job);
    }
    const std::string why = failed + messages.lineBreak + start.error;
    if (!start.noPrinter) {
        platform.messageBox(why, MsgButtons::Ok, MsgIcon::Exclamation, messages.title);
        return nullptr;
    }
    if (platform.messageBox(why + messages.lineBreak + "Save it as a PDF file instead?",
                            MsgButtons::YesNo, MsgIcon::Exclamation,
                            messages.title) != MsgAnswer::Yes) {
        return nullptr;
    }
    const std::optional<std::string> file = choosePdf();
    if (!file) {
        return nullptr;
    }
    failed = messages.notSaved;
    PrintJobStart pdf = platform.startPdfJob(*file);
    if (!pdf.job) {
        platform.messageBox(failed + messages.lineBreak + pdf.error, MsgButtons::Ok,
                            MsgIcon::Exclamation, messages.title);
    }
    return std::move(pdf.job);
}

bool FinishPrintJob(PrintJob& job, PlatformServices& platform, const PrintMessages& messages,
                    const std::string& failed) {
    std::string error;
    if (job.Finish(error)) {
        return true;
    }
    platform.messageBox(failed + messages.lineBreak + error, MsgButtons::Ok, MsgIcon::Exclamation,
                        messages.title);
    return false;
}

}  // namespace tarvo
