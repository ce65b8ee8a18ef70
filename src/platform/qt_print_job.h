#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/platform_services.h"

namespace tarvo {

// A print document on a QPrinter (a real printer or a PDF file): painting starts when
// the job is made and ends with Finish.
class QtPrintJob : public PrintJob {
  public:
    // Begins painting on `printer`. When the printer cannot be started there is no job,
    // and the error names `target`.
    static PrintJobStart Start(std::unique_ptr<QPrinter> printer, const QString& target);
    ~QtPrintJob() override;

    double PageWidth() const override;
    double PageHeight() const override;
    void DrawText(double x, double y, std::string_view fontName, int points, bool bold,
                  std::string_view text) override;
    void NewPage() override;
    bool Finish(std::string& error) override;

  private:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer, QString target);
    double DevicePerTwip() const;
    void Fail(const QString& reason);

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QString target_;
    QString failure_;
};

}  // namespace tarvo
