// Reads arbitrary bytes as a satellite file; a table read whole must survive being
// written out and read back, and the two list orders must be orders of its rows.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "catalogue/satellite_file.h"
#include "catalogue/satellite_order.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckOrders(tarvo::SatelliteTable table) {
    const tarvo::SatelliteRecord first = table.Empty() ? tarvo::SatelliteRecord{} : table.Row(0);
    tarvo::SortByLongitude(table);
    if (!table.Empty()) {
        Check(table.Row(0).SatName == first.SatName);
    }
    for (int row = 2; row <= table.SatLast(); ++row) {
        Check(table.Row(row - 1).SatLong <= table.Row(row).SatLong);
    }
    std::vector<std::int16_t> order = tarvo::AlphabeticalOrder(table);
    Check(static_cast<int>(order.size()) == table.SatLast() + 1);
    for (std::size_t k = 2; k < order.size(); ++k) {
        Check(table.Row(order[k - 1]).SatName <= table.Row(order[k]).SatName);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t k = 0; k < order.size(); ++k) {
        Check(order[k] == static_cast<std::int16_t>(k));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tarvo::SatelliteFileRead read = tarvo::ParseSatelliteFile(bytes);
    Check(read.table.SatLast() <= 32766);
    Check(read.ok == read.failure.empty());
    for (const tarvo::SatelliteRecord& row : read.table.Rows()) {
        Check(row.SatName.size() == 25);
    }
    CheckOrders(read.table);
    if (!read.ok) {
        return 0;
    }
    // A name holding a double quote cannot be written back, nor can a longitude whose
    // 15-digit text rounds beyond the double range; every other table can.
    for (const tarvo::SatelliteRecord& row : read.table.Rows()) {
        if (row.SatName.find('"') != std::string::npos || std::fabs(row.SatLong) > 1e308) {
            return 0;
        }
    }
    const tarvo::SatelliteFileRead again =
        tarvo::ParseSatelliteFile(tarvo::SatelliteFileText(read.table));
    Check(again.ok);
    Check(again.table.SatLast() == read.table.SatLast());
    for (int row = 0; row <= read.table.SatLast(); ++row) {
        Check(again.table.Row(row).SatName == read.table.Row(row).SatName);
        Check(again.table.Row(row).SatLook == read.table.Row(row).SatLook);
    }
    Check(tarvo::SatelliteFileText(again.table) == tarvo::SatelliteFileText(read.table));
    return 0;
}
