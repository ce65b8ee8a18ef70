#include "catalogue/location_names.h"

#include <stdexcept>
#include <utility>

#include "common/fixed_text.h"

namespace tarvo {

LocationNames::LocationNames(std::vector<LocationRecord> records) {
    names_.reserve(records.size());
    for (LocationRecord& record : records) {
        if (IsDeletedLocation(record)) {
            names_.emplace_back(std::nullopt);
        } else {
            record.LocName.resize(kLocNameWidth, ' ');  // padded or cut to its width
            names_.emplace_back(std::move(record.LocName));
        }
    }
}

const std::optional<std::string>& LocationNames::Name(int n) const {
    if (n < 1 || n > Count()) {
        throw std::out_of_range("location record number out of range");
    }
    return names_[static_cast<std::size_t>(n - 1)];
}

int LocationNames::Find(std::string_view text) const {
    const std::string wanted = FixedWidth(text, kLocNameWidth);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] && *names_[i] == wanted) {
            return static_cast<int>(i + 1);
        }
    }
    return static_cast<int>(names_.size() + 1);
}

std::vector<std::string_view> LocationNames::ListEntries() const {
    std::vector<std::string_view> entries;
    entries.reserve(names_.size());
    for (const auto& name : names_) {
        if (name) {
            entries.push_back(TrimSpacesView(*name));
        }
    }
    return entries;
}

}  // namespace tarvo
