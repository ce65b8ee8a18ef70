#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/satellite_table.h"

namespace tarvo {

// Puts the catalogue rows 1..SatLast in ascending order of SatLong. Rows of equal
// longitude keep their relative order; row 0, the default satellite, never moves.
void SortByLongitude(SatelliteTable& table);

// The alphabetical display order SatOrder, indexed 0..SatLast: entry k (1..SatLast) is
// the row shown k-th in the name list; entry 0 is 0. Names are compared as their full
// 25 characters, byte by byte (all capitals before all small letters, a space before
// any printable character); equal names keep their row order. Empty for an empty table.
std::vector<std::int16_t> AlphabeticalOrder(const SatelliteTable& table);

// The rows of the look list in the order of the name list: the catalogue rows marked 1,
// by longitude (table order) or, when `byName`, in the order of `satOrder` (as
// AlphabeticalOrder gives it). Entries of `satOrder` that name no catalogue row are
// passed over, so a stale order never reads a row that is not there.
std::vector<std::int16_t> LookListRows(const SatelliteTable& table, bool byName,
                                       const std::vector<std::int16_t>& satOrder);

}  // namespace tarvo
