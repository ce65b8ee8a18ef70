#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/location_record.h"

namespace tarvo {

// The names of the records of a location file, for filling the location list and for
// finding the record of a chosen name (LocNames).
class LocationNames {
  public:
    LocationNames() = default;

    // From records 1..n of the file (element i is record i + 1). Records handed over
    // with std::move give up their names rather than have them copied.
    explicit LocationNames(std::vector<LocationRecord> records);

    // The number of records named, deleted ones included.
    std::int16_t Count() const { return static_cast<std::int16_t>(names_.size()); }

    // The 50-character name of record n (1..Count()), or nothing for a deleted record.
    const std::optional<std::string>& Name(int n) const;

    // The record number of the first live record whose name equals `text` padded or cut
    // to 50 characters, exactly (case and spaces count); Count() + 1 when none does.
    // A deleted record matches nothing, not even an empty text.
    // The result is an int: for a file of 32,767 records "none" is 32768.
    int Find(std::string_view text) const;

    // The names of the live records without leading and trailing spaces, in record
    // order: the entries of the location list. Views into this object's names.
    std::vector<std::string_view> ListEntries() const;

  private:
    std::vector<std::optional<std::string>> names_;
};

}  // namespace tarvo
