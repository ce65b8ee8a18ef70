#include "catalogue/satellite_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tarvo {

namespace {

// The name padded or cut to its width, in place.
SatelliteRecord Normalised(SatelliteRecord record) {
    record.SatName.resize(kSatNameWidth, ' ');
    return record;
}

}  // namespace

const SatelliteRecord& SatelliteTable::Row(int row) const {
    if (row < 0 || row > SatLast()) {
        throw std::out_of_range("satellite row out of range");
    }
    return rows_[static_cast<std::size_t>(row)];
}

void SatelliteTable::SetRow(int row, SatelliteRecord record) {
    if (row < 0 || row > SatLast()) {
        throw std::out_of_range("satellite row out of range");
    }
    rows_[static_cast<std::size_t>(row)] = Normalised(std::move(record));
}

void SatelliteTable::Append(SatelliteRecord record) {
    if (rows_.size() >= static_cast<std::size_t>(kMaxRows)) {
        throw std::length_error("satellite table full");
    }
    rows_.push_back(Normalised(std::move(record)));
}

void SatelliteTable::Reserve(int rows) {
    rows_.reserve(static_cast<std::size_t>(std::clamp(rows, 0, kMaxRows)));
}

void SatelliteTable::Remove(int row) {
    if (row < 0 || row > SatLast()) {
        throw std::out_of_range("satellite row out of range");
    }
    rows_.erase(rows_.begin() + row);
}

}  // namespace tarvo
