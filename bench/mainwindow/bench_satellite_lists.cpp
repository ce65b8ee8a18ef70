// Reading the largest satellite file the format allows (the default satellite and
// 32,766 catalogue rows) into the main window: the file read, the rows put in order of
// longitude and both real satellite lists refilled, in either name order.

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

#include "catalogue/satellite_file.h"
#include "catalogue/satellite_table.h"
#include "largest_catalogues.h"
#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "support/find_control.h"
#include "support/main_window_access.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

// The largest file, written once into a temporary folder removed at exit; every
// iteration reads it afresh, out of order again.
const std::string& LargestSatelliteFile() {
    static const test::TempFolder folder;
    static const std::string name = [] {
        const std::string path = folder.file("largest.sat").string();
        WriteSatelliteFile(bench::LargestSatelliteTable(2024), path);
        return path;
    }();
    return name;
}

void ReadLargestSatelliteFile(benchmark::State& state, std::int16_t sortAlpha) {
    const std::string& file = LargestSatelliteFile();
    ScriptedPlatform platform;
    frmSatellite form(platform);
    test::WritableState(form).Settings.SortAlpha = sortAlpha;
    for (auto _ : state) {
        form.ReadSatFile(file);
    }
    if (!platform.messages().empty() || form.state().SatelliteTable.SatLast() != 32766 ||
        test::Find<ComboBox>(form, "cboSatLong")->count() != 32766 ||
        test::Find<ComboBox>(form, "cboSatName")->count() != 32766) {
        state.SkipWithError("the file did not load whole");
    }
    state.SetItemsProcessed(state.iterations() * SatelliteTable::kMaxRows);
}

void BM_ReadSatFileLargestAlpha(benchmark::State& state) {
    ReadLargestSatelliteFile(state, 1);
}
BENCHMARK(BM_ReadSatFileLargestAlpha)->Unit(benchmark::kMillisecond);

void BM_ReadSatFileLargestArc(benchmark::State& state) {
    ReadLargestSatelliteFile(state, 0);
}
BENCHMARK(BM_ReadSatFileLargestArc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
