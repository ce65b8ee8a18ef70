#include "catalogue/location_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvo {
namespace {

using Kind = AddPlace::Kind;

LocationRecord Live(const std::string& name) {
    return {name, 1, 1};
}

TEST(LocationChecks, AddPlace) {
    const LocationRecord gone = DeletedLocationRecord();
    const struct {
        const char* what;
        std::vector<LocationRecord> records;
        std::string name;
        Kind kind;
        int record;
    } cases[] = {
        {"an empty file gets record 1", {}, "Depot", Kind::Append, 1},
        {"no free record: append", {Live("Depot"), Live("Yard")}, "Quay", Kind::Append, 3},
        // Records 2 and 5 deleted: the higher one is reused.
        {"highest deleted record",
         {Live("A"), gone, Live("C"), Live("D"), gone, Live("F")},
         "Quay",
         Kind::Reuse,
         5},
        {"the last record deleted", {Live("A"), gone}, "Quay", Kind::Reuse, 2},
        // The scan stops at the duplicate, though a free record follows.
        {"duplicate before a free record",
         {Live("A"), Live("Quay"), gone},
         "Quay",
         Kind::Duplicate,
         2},
        {"duplicate after a free record", {gone, Live("Quay")}, "Quay", Kind::Duplicate, 2},
        {"stored with spaces around it", {Live("  Quay ")}, "Quay", Kind::Duplicate, 1},
        {"other letter case is another name", {Live("QUAY")}, "Quay", Kind::Append, 2},
        {"a blank name is a name", {Live(""), Live("B")}, "", Kind::Duplicate, 1},
        {"a deleted record is no blank name", {gone}, "", Kind::Reuse, 1},
        {"the first of two equal names", {Live("Quay"), Live("Quay")}, "Quay", Kind::Duplicate, 1},
    };
    for (const auto& c : cases) {
        const AddPlace place = FindAddPlace(c.records, c.name);
        EXPECT_EQ(place.kind, c.kind) << c.what;
        EXPECT_EQ(place.record, c.record) << c.what;
    }
}

TEST(LocationChecks, AddPlaceInTheLargestFile) {
    std::vector<LocationRecord> records(32767, Live("Depot"));
    EXPECT_EQ(FindAddPlace(records, "Yard").kind, Kind::Full);
    EXPECT_EQ(FindAddPlace(records, "Yard").record, 0);
    EXPECT_EQ(FindAddPlace(records, "Depot").kind, Kind::Duplicate);

    records[32766] = DeletedLocationRecord();  // the very last record is free
    EXPECT_EQ(FindAddPlace(records, "Yard").kind, Kind::Reuse);
    EXPECT_EQ(FindAddPlace(records, "Yard").record, 32767);

    records.pop_back();  // 32,766 records: one more fits
    EXPECT_EQ(FindAddPlace(records, "Yard").kind, Kind::Append);
    EXPECT_EQ(FindAddPlace(records, "Yard").record, 32767);
}

TEST(LocationChecks, NameElsewhere) {
    // Record 2 deleted; "Quay" twice (records 3 and 5).
    const LocationNames names(
        {Live("Depot"), DeletedLocationRecord(), Live("Quay"), Live("Yard"), Live("Quay")});
    const struct {
        std::string name;
        int except;
        int found;
    } cases[] = {
        {"Depot", 1, 0},                    // a location keeps its own name
        {"Depot", 4, 1},                    // but may not take another record's
        {"Quay", 3, 5},                     // nor the name of a twin
        {"Quay", 0, 3},    {"quay", 0, 0},  // letter case counts
        {"Harbour", 0, 0}, {"", 0, 0},      // the deleted record has no name, not even a blank one
        {"\xFF", 0, 0},                     // nor the deletion mark
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindNameElsewhere(names, c.name, c.except), c.found)
            << c.name << " except " << c.except;
    }
}

TEST(LocationChecks, DeletionMarkName) {
    EXPECT_TRUE(IsDeletionMarkName("\xFF"));
    EXPECT_TRUE(IsDeletionMarkName("  \xFF "));
    EXPECT_FALSE(IsDeletionMarkName("\xFF\xFF"));
    EXPECT_FALSE(IsDeletionMarkName("Sm\xFFth"));
    EXPECT_FALSE(IsDeletionMarkName(""));
}

}  // namespace
}  // namespace tarvo
