// The largest catalogues the files allow: a satellite file of 32,767 rows (the default
// satellite and 32,766 catalogue rows) read and put into both list orders, and a
// location file of 32,767 records opened and read whole.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "catalogue/location_file.h"
#include "catalogue/location_names.h"
#include "catalogue/location_record.h"
#include "catalogue/satellite_file.h"
#include "catalogue/satellite_order.h"
#include "catalogue/whole_file.h"

namespace {

// A folder for the benchmark's files, removed at exit.
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
    std::string Name(const std::string& leaf) const { return (path_ / leaf).string(); }

  private:
    std::filesystem::path path_;
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

// Names and longitudes scattered so that both sorts have work to do.
tarvo::SatelliteTable LargestTable() {
    tarvo::SatelliteTable table;
    unsigned state = 12345;
    for (int row = 0; row < 32767; ++row) {
        state = state * 1103515245u + 12345u;
        const double longitude = static_cast<double>(state % 3600000) / 10000.0;
        std::string name = "Sat ";
        for (int i = 0; i < 8; ++i) {
            name += static_cast<char>('A' + (state >> (i * 3)) % 26);
        }
        table.Append({name, longitude, static_cast<std::int16_t>(row % 2)});
    }
    return table;
}

const std::string& SatelliteFileName() {
    static const std::string name = [] {
        const std::string file = Folder().Name("largest.sat");
        tarvo::WriteSatelliteFile(LargestTable(), file);
        return file;
    }();
    return name;
}

const std::string& LocationFileName() {
    static const std::string name = [] {
        const std::string file = Folder().Name("largest.loc");
        // Built in memory and written at once: 32,767 flushed record writes would
        // measure the disk, not the program.
        std::string bytes;
        for (int n = 1; n <= 32767; ++n) {
            const auto record = tarvo::EncodeLocationRecord(
                {"Location " + std::to_string(n), 40.0 + n * 1e-4, 100.0 - n * 1e-4});
            bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
        }
        tarvo::WriteWholeFile(file, bytes);
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
    const tarvo::SatelliteTable table = LargestTable();
    const std::string name = Folder().Name("written.sat");
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
        benchmark::DoNotOptimize(names.Find("Location 32767"));
    }
}
BENCHMARK(FindLastLocation)->Unit(benchmark::kMicrosecond);

}  // namespace
