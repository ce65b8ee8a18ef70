#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/satellite_table.h"
#include "looklist/text_measure.h"

namespace tarvo {

// The arithmetic of the look-list layout, in twips. Widths come from the measuring
// surface; nothing here draws.

// The truck position as the look list heads it: the longitude and latitude texts as
// they stand, trimmed, "84.39W    33.75N".
std::string PositionLine(std::string_view longitude, std::string_view latitude);

// A real number as a 16-bit layout value: rounded to the nearest integer, halves to the
// even neighbour, and limited to -32768..32767 (a position never overflows into a
// failure; a value that is not a number gives 0).
std::int16_t LayoutInt16(double value);

// A sum of 16-bit positions, exact, then limited to the 16-bit range.
std::int16_t Sum16(int a, int b, int c = 0);

// The integer part of a real number as a 16-bit value, limited to the range (sizes
// such as one and a half times the printer font size).
std::int16_t IntPart16(double value);

// Where a text of `textWidth` starts when centred on a width of `scaleWidth`: half the
// width less half the text, the half text rounded (halves to even), not rounded
// further. A text wider than the width starts at a negative x.
float CenteredX(float scaleWidth, float textWidth);

// The width of the name column: the widest trimmed name among the catalogue rows marked
// for the look list (mark 1; row 0 never counts), rounded, plus the width of two
// underscores, all in `font`.
float NameColumnWidth(const SatelliteTable& table, const FontSpec& font, TextMeasure& measure);

// The hyphens of the rule on screen: as many as fit in the width, less one. None when
// that is below one or when a hyphen has no width; at most 32767.
std::int16_t ScreenRuleLength(float scaleWidth, float hyphenWidth);

// The hyphens of the printed rule: 95 percent of the width between the left margin and
// an equal right margin. None when the margins leave no room.
std::int16_t PrintedRuleLength(float scaleWidth, std::int16_t leftMargin, float hyphenWidth);

// Whether a printed row whose line starts at `y` must begin a new page: it would pass
// the bottom of the page, and it is not already the first row below a heading at the
// top of a page (`rowsTop`). That first row is printed whatever its height, so that a
// page too short for one row cannot start page after page.
bool RowNeedsNewPage(float y, float rowHeight, float pageHeight, float rowsTop);

}  // namespace tarvo
