// Sorts tables made straight from bytes, three bytes a row, in the two list orders.
// Longitudes come in half degrees from -64 to 63.5 and names differ from a row of 25
// spaces in one chosen character, so that equal longitudes, equal names and names
// alike in their first eight characters are all common. Each row carries its first
// place in SatLook. Row 0 stays where it is; rows 1 on must come out in order and, where
// two are equal, in the order they had.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/satellite_order.h"
#include "catalogue/satellite_table.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Sixty-four rows take every path of both sorts (a run of rows sorted in place, runs
// merged through a buffer, several rounds of merging); more only make each input slower.
constexpr std::size_t kMostRows = 64;

tarvo::SatelliteTable TableFrom(const std::uint8_t* data, std::size_t size) {
    tarvo::SatelliteTable table;
    for (std::size_t at = 0; at + 3 <= size && at < 3 * kMostRows; at += 3) {
        tarvo::SatelliteRecord record;
        record.SatLong = static_cast<std::int8_t>(data[at]) / 2.0;
        record.SatName.assign(tarvo::kSatNameWidth, ' ');
        record.SatName[data[at + 1] % tarvo::kSatNameWidth] = static_cast<char>(data[at + 2]);
        record.SatLook = static_cast<std::int16_t>(table.SatLast() + 1);
        table.Append(std::move(record));
    }
    return table;
}

// Whether `places` holds each of 0..count-1 once.
bool IsPermutation(const std::vector<std::int16_t>& places, std::size_t count) {
    std::vector<bool> seen(count, false);
    for (const std::int16_t place : places) {
        if (place < 0 || static_cast<std::size_t>(place) >= count || seen[place]) {
            return false;
        }
        seen[place] = true;
    }
    return places.size() == count;
}

void CheckAlphabetical(const tarvo::SatelliteTable& table) {
    const std::vector<std::int16_t> order = tarvo::AlphabeticalOrder(table);
    Check(IsPermutation(order, table.Rows().size()));
    if (!order.empty()) {
        Check(order[0] == 0);
    }
    for (std::size_t k = 2; k < order.size(); ++k) {
        const std::string& before = table.Row(order[k - 1]).SatName;
        const std::string& after = table.Row(order[k]).SatName;
        Check(before < after || (before == after && order[k - 1] < order[k]));
    }
}

void CheckByLongitude(tarvo::SatelliteTable& table) {
    tarvo::SortByLongitude(table);
    std::vector<std::int16_t> places;
    for (const tarvo::SatelliteRecord& row : table.Rows()) {
        places.push_back(row.SatLook);
    }
    Check(IsPermutation(places, places.size()));
    if (!places.empty()) {
        Check(places[0] == 0);
    }
    for (int row = 2; row <= table.SatLast(); ++row) {
        const tarvo::SatelliteRecord& before = table.Row(row - 1);
        const tarvo::SatelliteRecord& after = table.Row(row);
        Check(before.SatLong < after.SatLong ||
              (before.SatLong == after.SatLong && before.SatLook < after.SatLook));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvo::SatelliteTable table = TableFrom(data, size);
    CheckAlphabetical(table);
    CheckByLongitude(table);
    return 0;
}
