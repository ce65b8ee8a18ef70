#include "catalogue/satellite_order.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>

#include "common/fixed_text.h"

namespace tarvo {

void SortByLongitude(SatelliteTable& table) {
    std::vector<SatelliteRecord>& rows = table.MutableRows();
    if (rows.size() < 3) {
        return;
    }
    std::stable_sort(
        rows.begin() + 1, rows.end(),
        [](const SatelliteRecord& a, const SatelliteRecord& b) { return a.SatLong < b.SatLong; });
}

std::vector<std::int16_t> AlphabeticalOrder(const SatelliteTable& table) {
    const std::vector<SatelliteRecord>& rows = table.Rows();
    std::vector<std::int16_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::int16_t{0});
    if (rows.size() < 3) {
        return order;
    }
    // The table keeps every name at exactly 25 characters, so the rows' own names are
    // compared in place. memcmp compares as unsigned char, the byte order the list is
    // sorted in.
    const auto name = [&rows](std::int16_t row) {
        return rows[static_cast<std::size_t>(row)].SatName.data();
    };
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].SatName.size() != kSatNameWidth) {
            throw std::logic_error("satellite name not of its fixed width");
        }
    }
    std::stable_sort(order.begin() + 1, order.end(), [&name](std::int16_t a, std::int16_t b) {
        return std::memcmp(name(a), name(b), kSatNameWidth) < 0;
    });
    return order;
}

}  // namespace tarvo
