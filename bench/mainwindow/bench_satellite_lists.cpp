// Reading the largest satellite file the format allows (the default satellite and
// 32,766 catalogue rows) into the main window: the file read, the rows put in order of
// longitude and both real satellite lists refilled, in either name order.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "catalogue/satellite_file.h"
#include "catalogue/satellite_table.h"
#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "platform/scripted_platform.h"

namespace tarvo {
namespace {

// A folder for the generated file, removed at exit.
class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarvo-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    std::string Name(const std::string& leaf) const { return (path_ / leaf).string(); }

  private:
    std::filesystem::path path_;
};

// 32,767 rows with names and longitudes scattered, so that both orders have work to do.
// Written once; every iteration reads it afresh, out of order again.
const std::string& LargestSatelliteFile() {
    static const BenchFolder folder;
    static const std::string name = [] {
        SatelliteTable table;
        unsigned state = 2024;
        for (int row = 0; row < SatelliteTable::kMaxRows; ++row) {
            state = state * 1103515245u + 12345u;
            const double longitude = static_cast<double>(state % 3600000) / 10000.0;
            std::string satName = "Sat ";
            for (int i = 0; i < 8; ++i) {
                satName += static_cast<char>('A' + (state >> (i * 3)) % 26);
            }
            table.Append({satName, longitude, static_cast<std::int16_t>(row % 2)});
        }
        if (!folder.ok()) {
            return std::string();
        }
        const std::string path = folder.Name("largest.sat");
        WriteSatelliteFile(table, path);
        return path;
    }();
    return name;
}

void ReadLargestSatelliteFile(benchmark::State& state, std::int16_t sortAlpha) {
    const std::string& file = LargestSatelliteFile();
    if (file.empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    ScriptedPlatform platform;
    frmSatellite form(platform);
    form.state().Settings.SortAlpha = sortAlpha;
    for (auto _ : state) {
        form.ReadSatFile(file);
    }
    if (!platform.messages().empty() || form.state().SatelliteTable.SatLast() != 32766 ||
        form.cboSatLong->count() != 32766 || form.cboSatName->count() != 32766) {
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
