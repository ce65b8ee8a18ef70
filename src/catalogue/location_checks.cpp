#include "catalogue/location_checks.h"

#include <string>

#include "catalogue/location_file.h"
#include "common/fixed_text.h"

namespace tarvo {

namespace {

// The stored name without leading and trailing spaces, compared without copying.
std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

AddPlace FindAddPlace(const std::vector<LocationRecord>& records, std::string_view name) {
    int free = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int n = static_cast<int>(i + 1);
        const std::string_view stored = Trimmed(records[i].LocName);
        if (stored == name) {
            return {AddPlace::Kind::Duplicate, n};
        }
        if (stored == "\xFF") {  // the mark of a deleted record
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
        if (n != except && stored && Trimmed(*stored) == name) {
            return n;
        }
    }
    return 0;
}

bool IsDeletionMarkName(std::string_view name) {
    return Trimmed(name) == "\xFF";
}

}  // namespace tarvo
