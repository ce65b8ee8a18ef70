// Reads arbitrary bytes as a location file held in memory, through the reader the file
// uses once its bytes are read; every record must come back at its width with finite
// coordinates and the bytes it holds, and the names must find their records.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/location_file.h"
#include "catalogue/location_names.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto records = tarvo::ReadLocationRecords(std::span<const unsigned char>(data, size));
    // Rounded to the nearest record, an exact half to the even count.
    const std::size_t whole = size / 66;
    const std::size_t rest = size % 66;
    const std::size_t expected = whole + ((rest > 33 || (rest == 33 && whole % 2 == 1)) ? 1 : 0);
    Check(records.size() == expected);

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const tarvo::LocationRecord& record = records[i];
        Check(record.LocName.size() == 50);
        Check(std::isfinite(record.LocLat) && std::isfinite(record.LocLong));
        // The name is the record's first 50 bytes, blanks where the input ends first.
        const std::string_view held = bytes.substr(std::min(size, i * 66), 50);
        Check(std::string_view(record.LocName).substr(0, held.size()) == held);
        Check(record.LocName.find_first_not_of(' ', held.size()) == std::string::npos);
    }
    const tarvo::LocationNames names(records);
    for (int n = 1; n <= names.Count(); ++n) {
        if (names.Name(n)) {
            Check(names.Find(*names.Name(n)) <= n);
        }
    }
    return 0;
}
