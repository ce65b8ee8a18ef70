#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/satellite_table.h"

namespace tarvo {

// The catalogue row (1..SatLast) a chosen name stands for: the text, cut to 25
// characters, and each row's name are compared in capitals with leading and trailing
// spaces removed; the first equal row wins. Nothing when no row matches.
std::optional<std::int16_t> FindSatelliteByName(const SatelliteTable& table, std::string_view text);

// The catalogue row (1..SatLast) whose SatLong equals NumericValue(text) exactly; the
// first such row wins. Nothing when no row matches. Throws RunTimeFailure when the
// text holds a number beyond the double range.
std::optional<std::int16_t> FindSatelliteByLongitude(const SatelliteTable& table,
                                                     std::string_view text);

// The catalogue row (1..SatLast) that the satellite boxes show: its name equals the
// name text, both without leading and trailing spaces, exactly (letter case counts),
// and its SatLong equals NumericValue(position text) exactly. `preferred` (the current
// row) wins when it is such a row; otherwise the first one does. Nothing when no row
// matches. Throws RunTimeFailure when the position text holds a number beyond the
// double range.
std::optional<std::int16_t> FindShownSatellite(const SatelliteTable& table,
                                               std::string_view nameText,
                                               std::string_view positionText, int preferred);

// True when a new satellite name would duplicate a catalogue row (1..SatLast): the
// name and each row's name, leading and trailing spaces removed, are equal exactly,
// letter case included. Row 0 is a copy of a catalogue row and is not compared.
bool IsDuplicateSatelliteName(const SatelliteTable& table, std::string_view name);

}  // namespace tarvo
