// Reads arbitrary bytes as a satellite file; a table read whole must survive being
// written out and read back. The list orders have a target of their own
// (fuzz_satellite_order), fed tables made straight from bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/satellite_file.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A name holding a double quote cannot be written back, nor can a longitude whose
// 15-digit text rounds beyond the double range; every other table read whole must come
// back from its own text row for row, and give the same text again.
void CheckRoundTrip(const tarvo::SatelliteTable& table) {
    for (const tarvo::SatelliteRecord& row : table.Rows()) {
        if (row.SatName.find('"') != std::string::npos || std::fabs(row.SatLong) > 1e308) {
            return;
        }
    }
    const std::string text = tarvo::SatelliteFileText(table);
    const tarvo::SatelliteFileRead again = tarvo::ParseSatelliteFile(text);
    Check(again.ok);
    Check(again.table.SatLast() == table.SatLast());
    for (int row = 0; row <= table.SatLast(); ++row) {
        Check(again.table.Row(row).SatName == table.Row(row).SatName);
        Check(again.table.Row(row).SatLook == table.Row(row).SatLook);
    }
    Check(tarvo::SatelliteFileText(again.table) == text);
}

}  // namespace

// Only the first 512 bytes of an input are read: a dozen rows take every path of the
// reader and of writing back, and longer inputs would only slow the search.
constexpr std::size_t kLongestInput = 512;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data),
                                 size < kLongestInput ? size : kLongestInput);
    const tarvo::SatelliteFileRead read = tarvo::ParseSatelliteFile(bytes);
    Check(read.table.SatLast() <= 32766);
    Check(read.ok == read.failure.empty());
    for (const tarvo::SatelliteRecord& row : read.table.Rows()) {
        Check(row.SatName.size() == 25);
    }
    if (read.ok) {
        CheckRoundTrip(read.table);
    }
    return 0;
}
