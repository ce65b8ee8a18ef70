// Writes arbitrary bytes as a location file, opens it and reads every record, one by
// one and all at once; the two must agree and the names must find their records.
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "catalogue/file_error.h"
#include "catalogue/location_file.h"
#include "catalogue/location_names.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const std::string& FileName() {
    static const std::string name = [] {
        char folder[] = "/tmp/tarvo-fuzz-loc-XXXXXX";
        Check(::mkdtemp(folder) != nullptr);
        return std::string(folder) + "/fuzz.loc";
    }();
    return name;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(FileName(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    tarvo::LocationFile file(FileName());
    // Rounded to the nearest record, an exact half to the even count.
    const std::size_t whole = size / 66;
    const std::size_t rest = size % 66;
    const std::size_t expected = whole + ((rest > 33 || (rest == 33 && whole % 2 == 1)) ? 1 : 0);
    Check(static_cast<std::size_t>(file.Count()) == expected);

    const auto all = file.ReadAll();
    Check(all.size() == expected);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const tarvo::LocationRecord one = file.Read(static_cast<int>(i + 1));
        Check(one.LocName == all[i].LocName);
        Check(SameBits(one.LocLat, all[i].LocLat) && SameBits(one.LocLong, all[i].LocLong));
        Check(one.LocName.size() == 50);
        Check(std::isfinite(one.LocLat) && std::isfinite(one.LocLong));
    }
    const tarvo::LocationNames names(all);
    for (int n = 1; n <= names.Count(); ++n) {
        if (names.Name(n)) {
            Check(names.Find(*names.Name(n)) <= n);
        }
    }
    ::unlink(FileName().c_str());
    return 0;
}
