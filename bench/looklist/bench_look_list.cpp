// The look list of the largest catalogue: 32,766 satellites, all marked, drawn into the
// look-list window and printed into a PDF file (every page laid out and written). Both
// measure the whole command: a calculation through the main window's controls for each
// row, the drawing, and the main window restored.
// Needs a QApplication; runs on the offscreen platform unless another one is chosen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "largest_catalogues.h"
#include "looklist/frm_look_list.h"
#include "mainwindow/frm_satellite.h"
#include "platform/qt_platform.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/main_window_access.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

// The real platform, with a PDF file standing in for the default printer.
class PdfAsPrinter : public QtPlatform {
  public:
    explicit PdfAsPrinter(std::string path) : path_(std::move(path)) {}
    PrintJobStart startDefaultPrinterJob() override { return startPdfJob(path_); }

  private:
    std::string path_;
};

// The largest table, every catalogue row marked, in the main window with a truck position.
void FillLargest(frmSatellite& form) {
    SatelliteTable table = bench::LargestSatelliteTable(2024);
    for (int row = 1; row <= table.SatLast(); ++row) {
        SatelliteRecord record = table.Row(row);
        record.SatLook = 1;
        table.SetRow(row, record);
    }
    test::WritableState(form).SatelliteTable = std::move(table);
    form.LoadSatCombos();
    test::Find<TextBox>(form, "txtLongitude")->setText("84.39");
    test::Find<TextBox>(form, "txtLatitude")->setText("33.75");
}

void BM_DisplayLookListLargest(benchmark::State& state) {
    const test::TempFolder folder;
    PdfAsPrinter platform(folder.file("unused.pdf").string());
    frmSatellite form(platform);
    FillLargest(form);
    for (auto _ : state) {
        test::Find<QPushButton>(form, "cmdDisplayLookList")->click();
    }
    // Title, position, blank, header, rule and one line a satellite.
    if (form.LookListWindow()->drawing().Lines().size() != 5u + 32766u) {
        state.SkipWithError("not every satellite was listed");
    }
    state.SetItemsProcessed(state.iterations() * 32766);
}
BENCHMARK(BM_DisplayLookListLargest)->Unit(benchmark::kMillisecond);

void BM_PrintLookListLargestToPdf(benchmark::State& state) {
    const test::TempFolder folder;
    const std::string pdf = folder.file("largest.pdf").string();
    PdfAsPrinter platform(pdf);
    frmSatellite form(platform);
    FillLargest(form);
    for (auto _ : state) {
        test::Find<QPushButton>(form, "cmdPrintLookList")->click();
    }
    const auto bytes = std::filesystem::file_size(pdf);
    state.counters["pdf_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.SetItemsProcessed(state.iterations() * 32766);
}
BENCHMARK(BM_PrintLookListLargestToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
