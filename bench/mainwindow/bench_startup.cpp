// The start-up sequence on the largest files the formats allow: a satellite file of
// 32,767 rows (the default satellite and 32,766 catalogue rows) and a location file of
// 32,767 records, in a working folder made for the benchmark. Each run builds a fresh
// window (not timed) and times Form_Load: settings, satellite file and both lists,
// location file and list, the first calculation.
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#include "catalogue/satellite_file.h"
#include "catalogue/settings.h"
#include "catalogue/settings_file.h"
#include "largest_catalogues.h"
#include "mainwindow/frm_satellite.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

constexpr int kLargest = 32767;

// A working folder holding tarvo.ini, tarvo.sat and big.loc, made the current
// directory while it lives.
class LargestWorkingFolder {
  public:
    LargestWorkingFolder() {
        WriteSatelliteFile(bench::LargestSatelliteTable(4711), folder_.file("tarvo.sat").string());
        bench::WriteLargestLocationFile(folder_.file("big.loc").string());
        Settings settings = DefaultSettings();
        settings.LocFileName = "big.loc";
        settings.DefaultLocName = std::string("Site 1") + std::string(44, ' ');
        settings.DefaultLocLong = 100;
        settings.DefaultLocLat = 40;
        WriteSettingsFile(settings);
    }

  private:
    test::TempFolder folder_;
};

void BM_FormLoadLargestFiles(benchmark::State& state) {
    LargestWorkingFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<frmSatellite> form;
    for (auto _ : state) {
        state.PauseTiming();
        form = std::make_unique<frmSatellite>(platform);
        state.ResumeTiming();
        form->Form_Load();
        benchmark::DoNotOptimize(form.get());
        state.PauseTiming();
        const bool expected = test::Find<TextBox>(*form, "txtAzimuth")->text() == "181.556" &&
                              form->state().LocCount == kLargest && platform.messages().empty();
        form.reset();
        state.ResumeTiming();
        if (!expected) {
            state.SkipWithError("start-up did not show the worked example");
            break;
        }
    }
}
BENCHMARK(BM_FormLoadLargestFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
