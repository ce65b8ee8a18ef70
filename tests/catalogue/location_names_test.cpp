#include "catalogue/location_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvo {
namespace {

std::string Name50(const std::string& name) {
    return name + std::string(50 - name.size(), ' ');
}

TEST(LocationNames, DeletedRecordsHaveNoName) {
    // Two records, the first deleted: only the second is listed.
    const LocationNames names({DeletedLocationRecord(), {"Harbour", 60.1, 24.9}});
    EXPECT_EQ(names.Count(), 2);
    EXPECT_EQ(names.Name(1), std::nullopt);
    EXPECT_EQ(names.Name(2), Name50("Harbour"));
    EXPECT_EQ(names.ListEntries(), std::vector<std::string_view>{"Harbour"});
    EXPECT_EQ(names.Find("Harbour"), 2);
    EXPECT_EQ(names.Find(""), 3);  // a deleted record matches nothing, not even ""
    EXPECT_EQ(names.Find("\xFF"), 3);
    EXPECT_THROW(names.Name(0), std::out_of_range);
    EXPECT_THROW(names.Name(3), std::out_of_range);
}

TEST(LocationNames, NoneFoundInTheLargestFileIsOnePastTheLastRecord) {
    // 32,767 records, the most a file may hold: "none" is record 32768, which a 16-bit
    // number cannot hold.
    const std::vector<LocationRecord> records(32767, LocationRecord{"Depot", 1, 1});
    const LocationNames names(records);
    EXPECT_EQ(names.Count(), 32767);
    EXPECT_EQ(names.Find("Yard"), 32768);
    EXPECT_EQ(names.Find("Depot"), 1);
}

TEST(LocationNames, FindMatchesTheFullNameExactly) {
    const LocationNames names({{"Home", 1, 1},
                               {"  Lead", 2, 2},
                               {"Home", 3, 3},
                               {std::string(50, 'w'), 4, 4},
                               {"", 5, 5}});
    EXPECT_EQ(names.Find("Home"), 1);  // two with one name: the lower record
    EXPECT_EQ(names.Find("Home   "), 1);
    EXPECT_EQ(names.Find("home"), 6);  // case counts; none found is Count() + 1
    EXPECT_EQ(names.Find("Lead"), 6);  // stored with leading spaces
    EXPECT_EQ(names.Find("  Lead"), 2);
    EXPECT_EQ(names.Find(std::string(50, 'w') + "extra"), 4);  // cut to 50 first
    EXPECT_EQ(names.Find(""), 5);
    EXPECT_EQ(names.ListEntries(),
              (std::vector<std::string_view>{"Home", "Lead", "Home", std::string(50, 'w'), ""}));

    const LocationNames none;
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.Find("Home"), 1);
}

}  // namespace
}  // namespace tarvo
