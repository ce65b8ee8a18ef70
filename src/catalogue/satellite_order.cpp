#include "catalogue/satellite_order.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "common/fixed_text.h"

namespace tarvo {

namespace {

// The first eight bytes of a name as one number, first byte highest: comparing two
// such numbers compares the bytes as unsigned chars, as memcmp does.
std::uint64_t Prefix(const char* name) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        prefix = (prefix << 8) | static_cast<unsigned char>(name[i]);
    }
    return prefix;
}

}  // namespace

void SortByLongitude(SatelliteTable& table) {
    std::vector<SatelliteRecord>& rows = table.MutableRows();
    if (rows.size() < 3) {
        return;
    }
    const auto before = [](const SatelliteRecord& a, const SatelliteRecord& b) {
        return a.SatLong < b.SatLong;
    };
    // A table read from a file this program wrote is in this order already.
    if (std::is_sorted(rows.begin() + 1, rows.end(), before)) {
        return;
    }
    // The positions are sorted with the rows' numbers, and the rows then moved into
    // their places along the cycles of that order: cheaper than moving whole rows
    // about while sorting, and no second table.
    struct Key {
        double SatLong;
        std::size_t row;
    };
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        keys.push_back({rows[row].SatLong, row});
    }
    std::stable_sort(keys.begin() + 1, keys.end(),
                     [](const Key& a, const Key& b) { return a.SatLong < b.SatLong; });
    // Row keys[i].row belongs at i. A place filled is marked by pointing at itself.
    for (std::size_t start = 1; start < keys.size(); ++start) {
        if (keys[start].row == start) {
            continue;
        }
        SatelliteRecord first = std::move(rows[start]);
        std::size_t place = start;
        while (keys[place].row != start) {
            const std::size_t from = keys[place].row;
            rows[place] = std::move(rows[from]);
            keys[place].row = place;
            place = from;
        }
        rows[place] = std::move(first);
        keys[place].row = place;
    }
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
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].SatName.size() != kSatNameWidth) {
            throw std::logic_error("satellite name not of its fixed width");
        }
    }
    // Sorted by the first eight bytes, held beside each row number, and by the rest of
    // the name only where those are equal: most comparisons touch no name.
    struct Key {
        std::uint64_t prefix;
        std::int16_t row;
    };
    std::vector<Key> keys;
    keys.reserve(rows.size() - 1);
    for (std::size_t row = 1; row < rows.size(); ++row) {
        keys.push_back({Prefix(rows[row].SatName.data()), static_cast<std::int16_t>(row)});
    }
    const auto rest = [&rows](std::int16_t row) {
        return rows[static_cast<std::size_t>(row)].SatName.data() + 8;
    };
    std::stable_sort(keys.begin(), keys.end(), [&rest](const Key& a, const Key& b) {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix;
        }
        return std::memcmp(rest(a.row), rest(b.row), kSatNameWidth - 8) < 0;
    });
    for (std::size_t k = 0; k < keys.size(); ++k) {
        order[k + 1] = keys[k].row;
    }
    return order;
}

std::vector<std::int16_t> LookListRows(const SatelliteTable& table, bool byName,
                                       const std::vector<std::int16_t>& satOrder) {
    std::vector<std::int16_t> rows;
    const int last = table.SatLast();
    for (int i = 1; i <= last; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const std::int16_t row = !byName               ? static_cast<std::int16_t>(i)
                                 : k < satOrder.size() ? satOrder[k]
                                                       : std::int16_t{0};
        if (row >= 1 && row <= last && table.Row(row).SatLook == 1) {
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace tarvo
