#include "largest_catalogues.h"

#include <cstdint>

#include "catalogue/location_record.h"
#include "catalogue/whole_file.h"

namespace tarvo::bench {

SatelliteTable LargestSatelliteTable(unsigned seed) {
    SatelliteTable table;
    table.Append({"Home bird", 101, 1});
    for (int row = 1; row < SatelliteTable::kMaxRows; ++row) {
        seed = seed * 1103515245u + 12345u;
        std::string name = "Sat ";
        for (int i = 0; i < 8; ++i) {
            name += static_cast<char>('A' + (seed >> (i * 3)) % 26);
        }
        table.Append({name, static_cast<double>(seed % 3600000) / 10000.0,
                      static_cast<std::int16_t>(row % 2)});
    }
    return table;
}

void WriteLargestLocationFile(const std::string& fileName) {
    constexpr int kLargest = 32767;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kLargest) * kLocationRecordSize);
    for (int n = 1; n <= kLargest; ++n) {
        LocationRecord record;
        record.LocName = "Site " + std::to_string((n * 7919) % kLargest + 1);
        record.LocLat = 30 + (n % 2000) / 100.0;
        record.LocLong = 70 + (n % 5000) / 100.0;
        const auto encoded = EncodeLocationRecord(record);
        bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
    }
    WriteWholeFile(fileName, bytes);
}

}  // namespace tarvo::bench
