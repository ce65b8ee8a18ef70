#include "catalogue/satellite_table.h"

#include <stdexcept>

#include "common/fixed_text.h"

namespace tarvo {

namespace {

SatelliteRecord Normalised(const SatelliteRecord& record) {
    SatelliteRecord copy = record;
    copy.SatName = FixedWidth(record.SatName, kSatNameWidth);
    return copy;
}

}  // namespace

const SatelliteRecord& SatelliteTable::Row(int row) const {
    if (row < 0 || row > SatLast()) {
        throw std::out_of_range("satellite row out of range");
    }
    return rows_[static_cast<std::size_t>(row)];
}

void SatelliteTable::SetRow(int row, const SatelliteRecord& record) {
    if (row < 0 || row > SatLast()) {
        throw std::out_of_range("satellite row out of range");
    }
    rows_[static_cast<std::size_t>(row)] = Normalised(record);
}

void SatelliteTable::Append(const SatelliteRecord& record) {
    if (rows_.size() >= static_cast<std::size_t>(kMaxRows)) {
        throw std::length_error("satellite table full");
    }
    rows_.push_back(Normalised(record));
}

void SatelliteTable::Remove(int row) {
    if (row < 0 || row > SatLast()) {
        throw std::out_of_range("satellite row out of range");
    }
    rows_.erase(rows_.begin() + row);
}

}  // namespace tarvo
