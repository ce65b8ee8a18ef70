#pragma once

#include <string>
#include <string_view>

#include "catalogue/satellite_table.h"

namespace tarvo {

// What reading a satellite file gave: on success the whole table; on failure the
// complete records read before it (possibly none) and the reason. This is the one
// reader of the file layer that does not throw FileError: the rows read before a
// failure are part of its result, and the window keeps them. No failure of any kind
// (a missing file, a folder, running out of memory) leaves it as an exception.
struct SatelliteFileRead {
    SatelliteTable table;
    bool ok = false;
    std::string failure;  // empty when ok
    // The failure was that no file of that name is there: nothing on disk could be
    // lost by writing one. False for every other failure (a damaged file, no access).
    bool missing = false;
};

// Reads the records of a satellite file: three items each (name, longitude in degrees
// west, look-list mark), separated by commas or line ends, the first record being row 0.
// Fails on empty data, data ending inside a record or after anything following the
// last complete record (even one blank line), a number too large for its field, and
// more than 32767 records. A longitude or mark that is no number reads as 0.
SatelliteFileRead ParseSatelliteFile(std::string_view bytes);

// ParseSatelliteFile on a file; a file that cannot be read fails as well, and so does
// a name that is no name (empty or blanks), a folder, a device or a pipe.
SatelliteFileRead ReadSatelliteFile(std::string_view fileName);

// The satellite file of a table: per row three lines ended by CR LF, the name padded to
// 25 characters in double quotes, the longitude as NumberText, the mark as an integer.
// A file holds at least one record, so a table without rows is written as a blank
// default satellite (a name of blanks, 0, 0): the reader takes that back as row 0 alone,
// where an empty file would be a damaged one.
std::string SatelliteFileText(const SatelliteTable& table);

// Replaces a satellite file with the table. Throws FileWriteError with the reason; the
// old file then stays as it was.
void WriteSatelliteFile(const SatelliteTable& table, std::string_view fileName);

}  // namespace tarvo
