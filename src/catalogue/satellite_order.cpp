#include "catalogue/satellite_order.h"

#include <algorithm>
#include <cstring>
#include <numeric>

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
    std::vector<std::string> names(rows.size());
    for (std::size_t i = 1; i < rows.size(); ++i) {
        names[i] = FixedWidth(rows[i].SatName, kSatNameWidth);
    }
    // memcmp compares as unsigned char, the byte order the list is sorted in.
    std::stable_sort(order.begin() + 1, order.end(), [&names](std::int16_t a, std::int16_t b) {
        return std::memcmp(names[static_cast<std::size_t>(a)].data(),
                           names[static_cast<std::size_t>(b)].data(), kSatNameWidth) < 0;
    });
    return order;
}

}  // namespace tarvo
