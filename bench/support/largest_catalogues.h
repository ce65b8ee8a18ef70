#pragma once

#include <string>

#include "catalogue/satellite_table.h"

namespace tarvo::bench {

// The largest catalogues the files allow, for the benchmarks.

// 32,767 satellite rows (row 0, the default satellite "Home bird" at 101, and 32,766
// catalogue rows) with names and longitudes scattered by `seed`, so that both list orders
// have work to do; every other row is marked for the look list.
SatelliteTable LargestSatelliteTable(unsigned seed);

// Writes a location file of 32,767 records ("Site 1" ... in scattered order, positions
// within the United States) in one write, not record by record: 32,767 flushed writes
// would measure the disk, not the program.
void WriteLargestLocationFile(const std::string& fileName);

}  // namespace tarvo::bench
