#pragma once

#include "looklist/output_destination.h"
#include "platform/platform_services.h"

namespace tarvo {

// The printer as an output destination: every text goes to the print document at once,
// in twips on the printable area of the current page. Nothing is cleared on paper.
class PrinterDestination : public OutputDestination {
  public:
    PrinterDestination(PrintJob& job, TextMeasure& measure)
        : OutputDestination(measure), job_(job) {}

    float ScaleWidth() const override { return static_cast<float>(job_.PageWidth()); }
    float ScaleHeight() const override { return static_cast<float>(job_.PageHeight()); }

  protected:
    void Draw(float x, float y, const FontSpec& font, std::string_view text, LineEnd end) override;
    void Erase() override {}
    void StartPage() override { job_.NewPage(); }

  private:
    PrintJob& job_;
};

}  // namespace tarvo
