// The start-up sequence on the largest files the formats allow: a satellite file of
// 32,767 rows (the default satellite and 32,766 catalogue rows) and a location file of
// 32,767 records, in a working folder made for the benchmark. Each run builds a fresh
// window (not timed) and times Form_Load: settings, satellite file and both lists,
// location file and list, the first calculation.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "catalogue/location_record.h"
#include "catalogue/satellite_file.h"
#include "catalogue/settings.h"
#include "catalogue/settings_file.h"
#include "mainwindow/frm_satellite.h"
#include "platform/scripted_platform.h"
#include "platform/text_box.h"

namespace tarvo {
namespace {

constexpr int kLargest = 32767;

// A working folder holding tarvo.ini, tarvo.sat and big.loc, made the current
// directory while it lives.
class LargestWorkingFolder {
  public:
    LargestWorkingFolder() : previous_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarvo-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        path_ = pattern;
        std::filesystem::current_path(path_);

        // Names and longitudes scattered so that every sort has work to do.
        SatelliteTable table;
        unsigned seed = 4711;
        table.Append({"Home bird", 101, 1});
        for (int row = 1; row < kLargest; ++row) {
            seed = seed * 1103515245u + 12345u;
            std::string name = "Sat ";
            for (int i = 0; i < 8; ++i) {
                name += static_cast<char>('A' + (seed >> (i * 3)) % 26);
            }
            table.Append({name, static_cast<double>(seed % 3600000) / 10000.0,
                          static_cast<std::int16_t>(row % 2)});
        }
        WriteSatelliteFile(table, "tarvo.sat");

        std::ofstream locations("big.loc", std::ios::binary);
        for (int n = 1; n <= kLargest; ++n) {
            LocationRecord record;
            record.LocName = "Site " + std::to_string((n * 7919) % kLargest);
            record.LocLat = 30 + (n % 2000) / 100.0;
            record.LocLong = 70 + (n % 5000) / 100.0;
            const auto bytes = EncodeLocationRecord(record);
            locations.write(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<std::streamsize>(bytes.size()));
        }
        locations.close();

        Settings settings = DefaultSettings();
        settings.LocFileName = "big.loc";
        settings.DefaultLocName = std::string("Site 1") + std::string(44, ' ');
        settings.DefaultLocLong = 100;
        settings.DefaultLocLat = 40;
        WriteSettingsFile(settings);
    }

    ~LargestWorkingFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ignored);
        }
    }

    bool ok() const { return !path_.empty(); }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

void BM_FormLoadLargestFiles(benchmark::State& state) {
    LargestWorkingFolder folder;
    if (!folder.ok()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    ScriptedPlatform platform;
    std::unique_ptr<frmSatellite> form;
    for (auto _ : state) {
        state.PauseTiming();
        form = std::make_unique<frmSatellite>(platform);
        state.ResumeTiming();
        form->Form_Load();
        benchmark::DoNotOptimize(form.get());
        state.PauseTiming();
        const bool expected = form->txtAzimuth->text() == "181.556" &&
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
