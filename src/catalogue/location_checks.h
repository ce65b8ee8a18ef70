#pragma once

#include <string_view>
#include <vector>

#include "catalogue/location_names.h"
#include "catalogue/location_record.h"

namespace tarvo {

// Where Add puts a new location, from a scan of records 1..n of the file in order.
struct AddPlace {
    enum class Kind {
        Duplicate,  // a live record already has the name; nothing may be written
        Reuse,      // the highest-numbered deleted record is free
        Append,     // no record is free: the location becomes record n + 1
        Full,       // no record is free and the file holds the most records it can
    };
    Kind kind = Kind::Append;
    // The duplicate, the deleted record to reuse, or the new record number n + 1;
    // 0 when the file is full.
    int record = 0;
};

// Scans the records (element i is record i + 1) for `name`, which is compared with each
// stored name without leading and trailing spaces, exactly, letter case included. The
// scan stops at the first record of that name, so a duplicate met before a free record
// wins; otherwise it goes to the end and the highest-numbered deleted record is reused.
AddPlace FindAddPlace(const std::vector<LocationRecord>& records, std::string_view name);

// The first live record other than `except` whose name without leading and trailing
// spaces equals `name` exactly; 0 when there is none. The duplicate check of Save
// Changes: a location may keep its own name, but not take another record's.
int FindNameElsewhere(const LocationNames& names, std::string_view name, int except);

}  // namespace tarvo
