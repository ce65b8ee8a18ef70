#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/satellite_table.h"

namespace tarvo {

// The changes the satellite commands make to the table, one row at a time.

// The most catalogue rows a table can hold: row numbers are 16-bit and row 0 is the
// default satellite.
inline constexpr int kMaxCatalogueRows = SatelliteTable::kMaxRows - 1;

// True when the name can be stored in a satellite file, which writes a name between
// double quotes and ends it at the next double quote when reading: no double quote.
bool FnSatelliteNameStorable(std::string_view name);

// True when `row` is a catalogue row of the table (1..SatLast).
bool IsCatalogueRow(const SatelliteTable& table, int row);

// True when catalogue row `row` is the default satellite: its name equals row 0's,
// compared as the stored 25 characters, letter case and blanks included.
bool IsDefaultSatellite(const SatelliteTable& table, int row);

// True when row 0, the default satellite, is the copy of catalogue row `row`: the same
// name without leading and trailing spaces and the same position. The look-list mark is
// not compared: it is what a tick changes in both.
bool IsDefaultCopyOf(const SatelliteTable& table, int row);

// Adds a catalogue row after the last one. A table without rows gets a blank default
// row first, so that the new satellite is never taken for the default one.
// Throws std::length_error when the catalogue already holds kMaxCatalogueRows rows.
void AddCatalogueRow(SatelliteTable& table, const SatelliteRecord& row);

// Replaces row 0, the default satellite; a table without rows gets it as its only row.
void SetDefaultRow(SatelliteTable& table, const SatelliteRecord& row);

// The row that becomes current after catalogue row `deleted` has been removed: the one
// before it in the table's order, and row 1 when the first row was deleted.
std::int16_t RowAfterDelete(std::int16_t deleted);

// The table of a new satellite file: a blank default row and one blank catalogue row.
SatelliteTable NewSatelliteTable();

}  // namespace tarvo
