#include "platform/qt_print_job.h"

#include <QPageLayout>
#include <QRectF>

#include "platform/drawing_font.h"
#include "platform/qt_text.h"

namespace tarvo {

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, QString target)
    : printer_(std::move(printer)), target_(std::move(target)) {}

QtPrintJob::~QtPrintJob() {
    // A job dropped before Finish prints nothing.
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

PrintJobStart QtPrintJob::Start(std::unique_ptr<QPrinter> printer, const QString& target) {
    std::unique_ptr<QtPrintJob> job(new QtPrintJob(std::move(printer), target));
    if (!job->painter_.begin(job->printer_.get())) {
        PrintJobStart failed;
        failed.error = FromQString(target + QStringLiteral(" could not be started."));
        return failed;
    }
    PrintJobStart started;
    started.job = std::move(job);
    return started;
}

double QtPrintJob::DevicePerTwip() const {
    return printer_->resolution() / 1440.0;
}

double QtPrintJob::PageWidth() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).width() / DevicePerTwip();
}

double QtPrintJob::PageHeight() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).height() /
           DevicePerTwip();
}

void QtPrintJob::DrawText(double x, double y, std::string_view fontName, int points, bool bold,
                          std::string_view text) {
    if (!failure_.isEmpty()) {
        return;
    }
    painter_.setFont(DrawingFont(fontName, points, bold));
    const double k = DevicePerTwip();
    // The top of the line at y; the text is never wrapped or cut by the rectangle.
    const QRectF at(x * k, y * k, 1, 1);
    painter_.drawText(at, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                      ToQString(text));
}

void QtPrintJob::NewPage() {
    if (failure_.isEmpty() && !printer_->newPage()) {
        Fail(QStringLiteral("could not start a new page."));
    }
}

void QtPrintJob::Fail(const QString& reason) {
    if (failure_.isEmpty()) {
        failure_ = target_ + QLatin1Char(' ') + reason;
    }
}

bool QtPrintJob::Finish(std::string& error) {
    if (painter_.isActive() && !painter_.end()) {
        Fail(QStringLiteral("did not accept the document."));
    }
    if (printer_->printerState() == QPrinter::Error ||
        printer_->printerState() == QPrinter::Aborted) {
        Fail(QStringLiteral("reported an error."));
    }
    error = FromQString(failure_);
    return failure_.isEmpty();
}

}  // namespace tarvo
