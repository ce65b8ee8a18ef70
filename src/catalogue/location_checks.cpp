#include "catalogue/location_checks.h"

#include <string>

#include "catalogue/location_file.h"
#include "common/fixed_text.h"

namespace tarvo {

AddPlace FindAddPlace(const std::vector<LocationRecord>& records, std::string_view name) {
    int free = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int n = static_cast<int>(i + 1);
        const std::string_view stored = TrimSpacesView(records[i].LocName);
        if (stored == name) {
            return {AddPlace::Kind::Duplicate, n};
        }
        if (stored == kDeletedLocationMark) {
            free = n;
        }
    }
    if (free != 0) {
        return {AddPlace::Kind::Reuse, free};
    }
    if (records.size() >= static_cast<std::size_t>(LocationFile::kMaxRecords)) {
        return {AddPlace::Kind::Full, 0};
    }
    return {AddPlace::Kind::Append, static_cast<int>(records.size() + 1)};
}

int FindNameElsewhere(const LocationNames& names, std::string_view name, int except) {
    for (int n = 1; n <= names.Count(); ++n) {
        const auto& stored = names.Name(n);
        if (n != except && stored && TrimSpacesView(*stored) == name) {
            return n;
        }
    }
    return 0;
}

}  // namespace tarvo
