// The largest catalogues the files allow: a satellite file of 32,767 rows (the default
// satellite and 32,766 catalogue rows) read and put into both list orders, and a
// location file of 32,767 records opened and read whole.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "catalogue/location_file.h"
#include "catalogue/location_names.h"
#include "catalogue/satellite_file.h"
#include "catalogue/satellite_order.h"
#include "largest_catalogues.h"
#include "support/temp_folder.h"

namespace {

// The benchmark's files live in a temporary folder, removed at exit.
const tarvo::test::TempFolder& Folder() {
    static const tarvo::test::TempFolder folder;
    return folder;
}

std::string FileName(const char* leaf) {
    return Folder().file(leaf).string();
}

const std::string& SatelliteFileName() {
    static const std::string name = [] {
        const std::string file = FileName("largest.sat");
        tarvo::WriteSatelliteFile(tarvo::bench::LargestSatelliteTable(12345), file);
        return file;
    }();
    return name;
}

const std::string& LocationFileName() {
    static const std::string name = [] {
        const std::string file = FileName("largest.loc");
        tarvo::bench::WriteLargestLocationFile(file);
        return file;
    }();
    return name;
}

void ReadSatelliteFileAndOrders(benchmark::State& state) {
    const std::string& name = SatelliteFileName();
    for (auto _ : state) {
        tarvo::SatelliteFileRead read = tarvo::ReadSatelliteFile(name);
        tarvo::SortByLongitude(read.table);
        auto order = tarvo::AlphabeticalOrder(read.table);
        benchmark::DoNotOptimize(order.data());
        if (!read.ok || read.table.SatLast() != 32766) {
            state.SkipWithError("the satellite file did not read whole");
        }
    }
}
BENCHMARK(ReadSatelliteFileAndOrders)->Unit(benchmark::kMillisecond);

void WriteSatelliteFile(benchmark::State& state) {
    const tarvo::SatelliteTable table = tarvo::bench::LargestSatelliteTable(12345);
    const std::string name = FileName("written.sat");
    for (auto _ : state) {
        tarvo::WriteSatelliteFile(table, name);
    }
}
BENCHMARK(WriteSatelliteFile)->Unit(benchmark::kMillisecond);

void OpenAndReadLocationFile(benchmark::State& state) {
    const std::string& name = LocationFileName();
    for (auto _ : state) {
        tarvo::LocationFile file(name);
        const tarvo::LocationNames names(file.ReadAll());
        benchmark::DoNotOptimize(names.Count());
        if (names.Count() != 32767) {
            state.SkipWithError("the location file did not read whole");
        }
    }
}
BENCHMARK(OpenAndReadLocationFile)->Unit(benchmark::kMillisecond);

void FindLastLocation(benchmark::State& state) {
    tarvo::LocationFile file(LocationFileName());
    const tarvo::LocationNames names(file.ReadAll());
    for (auto _ : state) {
        benchmark::DoNotOptimize(names.Find("Site 32767"));
    }
}
BENCHMARK(FindLastLocation)->Unit(benchmark::kMicrosecond);

}  // namespace
