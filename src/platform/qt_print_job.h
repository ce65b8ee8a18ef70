#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <memory>
#include <string>

#include "platform/platform_services.h"

namespace tarvo {

// A print document on a printer or in a PDF file: painting starts when the job is made
// and ends with Finish.
class QtPrintJob : public PrintJob {
  public:
    // Begins painting on `printer`. When the printer cannot be started there is no job,
    // and the error names `target`.
    static PrintJobStart Start(std::unique_ptr<QPrinter> printer, const QString& target);

    // Begins a PDF document laid out as `layout` lays out its pages. The document is made
    // in memory and written to `path` (program text) by Finish, whole or not at all: a
    // file already there is replaced only by a complete document.
    static PrintJobStart StartPdf(const QPrinter& layout, std::string path);

    ~QtPrintJob() override;

    double PageWidth() const override;
    double PageHeight() const override;
    void DrawText(double x, double y, std::string_view fontName, int points, bool bold,
                  std::string_view text) override;
    void NewPage() override;
    bool Finish(std::string& error) override;

  private:
    QtPrintJob(QPagedPaintDevice& device, int resolution, QString target);
    double DevicePerTwip() const;
    void Fail(const QString& reason);
    void WritePdf();

    // A printer job has the printer; a PDF job the document in memory and its file.
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QBuffer> pdfBytes_;
    std::unique_ptr<QPdfWriter> pdf_;
    std::string pdfPath_;

    QPagedPaintDevice& device_;
    int resolution_;
    QPainter painter_;
    QString target_;
    QString failure_;
};

}  // namespace tarvo
