#include "platform/qt_print_job.h"

#include <QPageLayout>
#include <QRectF>

#include "catalogue/file_error.h"
#include "catalogue/whole_file.h"
#include "platform/drawing_font.h"
#include "platform/qt_text.h"

namespace tarvo {

QtPrintJob::QtPrintJob(QPagedPaintDevice& device, int resolution, QString target)
    : device_(device), resolution_(resolution), target_(std::move(target)) {}

QtPrintJob::~QtPrintJob() {
    // A job dropped before Finish prints nothing and writes no file.
    if (painter_.isActive()) {
        if (printer_) {
            printer_->abort();
        }
        painter_.end();
    }
}

PrintJobStart QtPrintJob::Start(std::unique_ptr<QPrinter> printer, const QString& target) {
    QPrinter& device = *printer;
    std::unique_ptr<QtPrintJob> job(new QtPrintJob(device, device.resolution(), target));
    job->printer_ = std::move(printer);
    if (!job->painter_.begin(&device)) {
        PrintJobStart failed;
        failed.error = FromQString(target + QStringLiteral(" could not be started."));
        return failed;
    }
    PrintJobStart started;
    started.job = std::move(job);
    return started;
}

PrintJobStart QtPrintJob::StartPdf(const QPrinter& layout, std::string path) {
    // QPdfWriter writing to a file would neither say that a write failed nor keep the
    // old file until the new one is whole: the bytes are kept here and written by Finish.
    auto bytes = std::make_unique<QBuffer>();
    bytes->open(QIODevice::WriteOnly);
    auto writer = std::make_unique<QPdfWriter>(bytes.get());
    writer->setResolution(layout.resolution());
    writer->setPageLayout(layout.pageLayout());
    writer->setTitle(layout.docName());
    writer->setCreator(QStringLiteral("SNG Tarvo"));

    QPdfWriter& device = *writer;
    const QString target = QStringLiteral("The file ") + ToQString(path);
    std::unique_ptr<QtPrintJob> job(new QtPrintJob(device, device.resolution(), target));
    job->pdfBytes_ = std::move(bytes);
    job->pdf_ = std::move(writer);
    job->pdfPath_ = std::move(path);
    PrintJobStart started;
    if (!job->painter_.begin(&device)) {
        started.error = FromQString(target + QStringLiteral(" could not be started."));
        return started;
    }
    started.job = std::move(job);
    return started;
}

double QtPrintJob::DevicePerTwip() const {
    return resolution_ / 1440.0;
}

double QtPrintJob::PageWidth() const {
    return device_.pageLayout().paintRectPixels(resolution_).width() / DevicePerTwip();
}

double QtPrintJob::PageHeight() const {
    return device_.pageLayout().paintRectPixels(resolution_).height() / DevicePerTwip();
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
    if (failure_.isEmpty() && !device_.newPage()) {
        Fail(QStringLiteral("could not start a new page."));
    }
}

void QtPrintJob::Fail(const QString& reason) {
    if (failure_.isEmpty()) {
        failure_ = target_ + QLatin1Char(' ') + reason;
    }
}

// The finished document goes to its file the way the program rewrites its own files.
void QtPrintJob::WritePdf() {
    if (!failure_.isEmpty()) {
        return;
    }
    const QByteArray& bytes = pdfBytes_->data();
    try {
        WriteWholeFile(pdfPath_, std::string_view(bytes.constData(), bytes.size()));
    } catch (const FileError& error) {
        // The program's line break, as in every message about a file.
        Fail(QStringLiteral("could not be written.\n\r") + ToQString(error.what()));
    }
}

bool QtPrintJob::Finish(std::string& error) {
    if (painter_.isActive() && !painter_.end()) {
        Fail(QStringLiteral("did not accept the document."));
    }
    if (printer_ && (printer_->printerState() == QPrinter::Error ||
                     printer_->printerState() == QPrinter::Aborted)) {
        Fail(QStringLiteral("reported an error."));
    }
    if (pdf_) {
        WritePdf();
    }
    error = FromQString(failure_);
    return failure_.isEmpty();
}

}  // namespace tarvo
