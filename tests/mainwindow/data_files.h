#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/location_record.h"
#include "support/file_bytes.h"

namespace tarvo::testing {

// A location record as a test writes it: the name as given (padded to 50 on disk).
inline LocationRecord Loc(const std::string& name, double lat, double lon) {
    LocationRecord record;
    record.LocName = name;
    record.LocLat = lat;
    record.LocLong = lon;
    return record;
}

// The bytes of a location file holding these records, 66 bytes each, in order.
inline std::string LocationFileBytes(const std::vector<LocationRecord>& records) {
    std::string bytes;
    for (const LocationRecord& record : records) {
        const auto encoded = EncodeLocationRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    return bytes;
}

using test::ReadBytes;
using test::WriteBytes;

// How many descriptors of this process have the file open.
inline int OpenDescriptorsOf(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path wanted = std::filesystem::canonical(path, error);
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::error_code linkError;
        const std::filesystem::path target = std::filesystem::read_symlink(entry.path(), linkError);
        if (!linkError && target == wanted) {
            ++count;
        }
    }
    return count;
}

}  // namespace tarvo::testing
