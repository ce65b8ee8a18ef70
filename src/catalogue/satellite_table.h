#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/satellite_record.h"

namespace tarvo {

// The satellite catalogue in memory. Row 0 is the default satellite (a copy of the
// one last made the default); rows 1 to SatLast() are the catalogue proper. An empty
// table has no row at all and SatLast() -1. Every name the table holds is exactly 25
// characters: names are padded or cut as they come in.
class SatelliteTable {
  public:
    // At most 32767 rows, since row numbers are 16-bit.
    static constexpr int kMaxRows = 32767;

    // The last row number: the number of rows minus 1.
    std::int16_t SatLast() const { return static_cast<std::int16_t>(rows_.size()) - 1; }
    bool Empty() const { return rows_.empty(); }

    // Row `row`, 0..SatLast(). Throws std::out_of_range for any other number.
    const SatelliteRecord& Row(int row) const;

    // Replaces row `row`, 0..SatLast().
    void SetRow(int row, SatelliteRecord record);

    // Adds a row after the last one. Throws std::length_error at 32767 rows.
    void Append(SatelliteRecord record);

    // Room for `rows` rows in all (at most 32767), so that appending them moves nothing.
    void Reserve(int rows);

    // Removes row `row`; the rows after it move up by one.
    void Remove(int row);

    void Clear() { rows_.clear(); }

    const std::vector<SatelliteRecord>& Rows() const { return rows_; }

    // For reordering: the rows in a form the orders can permute.
    std::vector<SatelliteRecord>& MutableRows() { return rows_; }

  private:
    std::vector<SatelliteRecord> rows_;
};

}  // namespace tarvo
