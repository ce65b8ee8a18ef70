#include "catalogue/satellite_edits.h"

#include <stdexcept>

#include "common/fixed_text.h"

namespace tarvo {

bool FnSatelliteNameStorable(std::string_view name) {
    return name.find('"') == std::string_view::npos;
}

bool IsCatalogueRow(const SatelliteTable& table, int row) {
    return row >= 1 && row <= table.SatLast();
}

bool IsDefaultSatellite(const SatelliteTable& table, int row) {
    return IsCatalogueRow(table, row) && table.Row(row).SatName == table.Row(0).SatName;
}

bool IsDefaultCopyOf(const SatelliteTable& table, int row) {
    if (!IsCatalogueRow(table, row)) {
        return false;
    }
    const SatelliteRecord& copy = table.Row(0);
    const SatelliteRecord& original = table.Row(row);
    return copy.SatLong == original.SatLong &&
           TrimSpacesView(copy.SatName) == TrimSpacesView(original.SatName);
}

void AddCatalogueRow(SatelliteTable& table, const SatelliteRecord& row) {
    if (table.Empty()) {
        table.Append(SatelliteRecord{});
    }
    if (table.SatLast() >= kMaxCatalogueRows) {
        throw std::length_error("satellite catalogue full");
    }
    table.Append(row);
}

void SetDefaultRow(SatelliteTable& table, const SatelliteRecord& row) {
    if (table.Empty()) {
        table.Append(row);
    } else {
        table.SetRow(0, row);
    }
}

std::int16_t RowAfterDelete(std::int16_t deleted) {
    return deleted <= 1 ? std::int16_t{1} : static_cast<std::int16_t>(deleted - 1);
}

SatelliteTable NewSatelliteTable() {
    SatelliteTable table;
    table.Append(SatelliteRecord{});
    table.Append(SatelliteRecord{});
    return table;
}

}  // namespace tarvo
