#include "catalogue/satellite_order.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/satellite_search.h"
#include "common/failure.h"

namespace tarvo {
namespace {

SatelliteTable Table(const std::vector<SatelliteRecord>& rows) {
    SatelliteTable table;
    for (const SatelliteRecord& row : rows) {
        table.Append(row);
    }
    return table;
}

std::vector<std::string> TrimmedNames(const SatelliteTable& table) {
    std::vector<std::string> names;
    for (const SatelliteRecord& row : table.Rows()) {
        names.push_back(row.SatName.substr(0, row.SatName.find_last_not_of(' ') + 1));
    }
    return names;
}

TEST(SatelliteOrder, ByLongitudeStableAndRowZeroStays) {
    SatelliteTable table = Table(
        {{"Default", 50, 1}, {"A", 30, 0}, {"B", 10, 0}, {"C", 30, 1}, {"D", 20, 0}, {"E", -1, 0}});
    SortByLongitude(table);
    EXPECT_EQ(TrimmedNames(table), (std::vector<std::string>{"Default", "E", "B", "D", "A", "C"}));
    EXPECT_EQ(table.Row(4).SatLook, 0);  // the columns move together
    EXPECT_EQ(table.Row(5).SatLook, 1);

    // Row 0 stays even when it has the smallest or the largest longitude.
    SatelliteTable two = Table({{"Default", 200, 0}, {"Y", 5, 0}, {"X", 1, 0}});
    SortByLongitude(two);
    EXPECT_EQ(TrimmedNames(two), (std::vector<std::string>{"Default", "X", "Y"}));

    SatelliteTable empty;
    SortByLongitude(empty);
    EXPECT_EQ(empty.SatLast(), -1);
    SatelliteTable one = Table({{"Default", 9, 0}, {"Only", 1, 0}});
    SortByLongitude(one);
    EXPECT_EQ(TrimmedNames(one), (std::vector<std::string>{"Default", "Only"}));
}

// A sort that is not stable can pass with a handful of rows (short runs are sorted by
// insertion, which happens to keep them in order); 3000 rows over five keys cannot.
constexpr int kManyRows = 3000;

TEST(SatelliteOrder, EqualKeysKeepTheirRowOrderInLargeTables) {
    // Row k (1..3000) is named "S<k>", lies at one of five longitudes in a scattered
    // pattern and has the name "Beta", "Alpha" or "Gamma" in a second table.
    const double longitudes[] = {30, 10, 50, 20, 40};
    SatelliteTable byLongitude = Table({{"Default", 0, 0}});
    SatelliteTable byName = Table({{"Default", 0, 0}});
    const char* names[] = {"Beta", "Alpha", "Gamma"};
    for (int k = 1; k <= kManyRows; ++k) {
        byLongitude.Append({"S" + std::to_string(k), longitudes[(k * 7) % 5], 0});
        byName.Append({names[(k * 5) % 3], static_cast<double>(k), 0});
    }

    // Expected by longitude: the rows of each longitude in row order, 10 first.
    std::vector<std::string> expected = {"Default"};
    for (const double longitude : {10.0, 20.0, 30.0, 40.0, 50.0}) {
        for (int k = 1; k <= kManyRows; ++k) {
            if (longitudes[(k * 7) % 5] == longitude) {
                expected.push_back("S" + std::to_string(k));
            }
        }
    }
    SortByLongitude(byLongitude);
    EXPECT_EQ(TrimmedNames(byLongitude), expected);

    // Expected by name: the rows named Alpha in row order, then Beta, then Gamma.
    std::vector<std::int16_t> expectedOrder = {0};
    for (const char* name : {"Alpha", "Beta", "Gamma"}) {
        for (int k = 1; k <= kManyRows; ++k) {
            if (std::string(names[(k * 5) % 3]) == name) {
                expectedOrder.push_back(static_cast<std::int16_t>(k));
            }
        }
    }
    EXPECT_EQ(AlphabeticalOrder(byName), expectedOrder);
}

TEST(SatelliteOrder, AlphabeticalByByteValue) {
    // Capitals sort before small letters, a padding space before any printable
    // character, and a byte above 0x7F after all of ASCII.
    const SatelliteTable table = Table({{"Default", 0, 0},
                                        {"abc", 1, 0},
                                        {"ABD", 2, 0},
                                        {"ABC", 3, 0},
                                        {"AB", 4, 0},
                                        {"ABC", 5, 0},
                                        {"\xC4ra", 6, 0},
                                        {"zz", 7, 0}});
    EXPECT_EQ(AlphabeticalOrder(table), (std::vector<std::int16_t>{0, 4, 3, 5, 2, 1, 7, 6}));

    // Names alike in their first eight characters and apart only later.
    const SatelliteTable alike = Table({{"Default", 0, 0},
                                        {"Telstar 19", 1, 0},
                                        {"Telstar 1\xC4", 2, 0},
                                        {"Telstar 18 VANTAGE", 3, 0},
                                        {"Telstar 1A", 4, 0},
                                        {"Telstar 19", 5, 0},
                                        {"Telstar", 6, 0}});
    EXPECT_EQ(AlphabeticalOrder(alike), (std::vector<std::int16_t>{0, 6, 3, 1, 5, 4, 2}));

    EXPECT_TRUE(AlphabeticalOrder(SatelliteTable{}).empty());
    EXPECT_EQ(AlphabeticalOrder(Table({{"Default", 0, 0}})), (std::vector<std::int16_t>{0}));
    EXPECT_EQ(AlphabeticalOrder(Table({{"Default", 0, 0}, {"Only", 1, 0}})),
              (std::vector<std::int16_t>{0, 1}));
}

TEST(SatelliteSearch, ByNameIgnoresCaseAndOuterSpaces) {
    const SatelliteTable table = Table({{"Hidden Default", 1, 0},
                                        {"Skybird 7", 99.2, 1},
                                        {"SKYBIRD 7", 101, 0},
                                        {"  Orbiter", 50, 0},
                                        {"abc", 60, 0}});
    EXPECT_EQ(FindSatelliteByName(table, "skybird 7"), 1);  // duplicates: the lower row
    EXPECT_EQ(FindSatelliteByName(table, "  SkyBird 7   "), 1);
    EXPECT_EQ(FindSatelliteByName(table, "orbiter"), 3);
    EXPECT_EQ(FindSatelliteByName(table, "ABC"), 4);
    // The text is cut to 25 characters first: the X falls off.
    EXPECT_EQ(FindSatelliteByName(table, "Orbiter" + std::string(18, ' ') + "X"), 3);
    EXPECT_EQ(FindSatelliteByName(table, "Orbiter" + std::string(17, ' ') + "X"), std::nullopt);
    EXPECT_EQ(FindSatelliteByName(table, "Orbit"), std::nullopt);
    EXPECT_EQ(FindSatelliteByName(table, "Hidden Default"), std::nullopt);  // row 0
    EXPECT_EQ(FindSatelliteByName(table, ""), std::nullopt);
    EXPECT_EQ(FindSatelliteByName(SatelliteTable{}, "x"), std::nullopt);
}

TEST(SatelliteSearch, ByLongitudeExactValue) {
    const SatelliteTable table =
        Table({{"Default", 7, 0}, {"A", 99.2, 0}, {"B", 101, 0}, {"C", 101, 0}, {"D", 0.5, 0}});
    EXPECT_EQ(FindSatelliteByLongitude(table, "101"), 2);  // duplicates: the lower row
    EXPECT_EQ(FindSatelliteByLongitude(table, "99.2"), 1);
    EXPECT_EQ(FindSatelliteByLongitude(table, "99.20"), 1);
    EXPECT_EQ(FindSatelliteByLongitude(table, ".5"), 4);
    EXPECT_EQ(FindSatelliteByLongitude(table, "101 West"), 2);  // the leading number
    EXPECT_EQ(FindSatelliteByLongitude(table, "99.21"), std::nullopt);
    EXPECT_EQ(FindSatelliteByLongitude(table, "7"), std::nullopt);  // row 0
    EXPECT_EQ(FindSatelliteByLongitude(table, ""), std::nullopt);   // reads as 0
}

// The row the satellite boxes show: name (trimmed, letter case counting) and position
// both; the current row first, else the lowest such row.
TEST(SatelliteSearch, ShownSatelliteNeedsNameAndPosition) {
    const SatelliteTable table = Table({{"Skybird 7", 99.2, 0},
                                        {"Skybird 7", 99.2, 0},
                                        {"Skybird 7", 101, 0},
                                        {"Skybird 7", 99.2, 1}});
    const struct {
        const char* name;
        const char* position;
        int preferred;
        std::optional<std::int16_t> row;
    } cases[] = {
        {"Skybird 7", "99.2", 0, 1},  // row 0 is no catalogue row: the lowest one
        {"Skybird 7", "99.2", 3, 3},  // the current row when it is shown
        {"Skybird 7", "99.2", 2, 1},  // not the current row when it shows another position
        {"  Skybird 7  ", "99.20", 0, 1},
        {"Skybird 7", "101", 1, 2},
        {"SKYBIRD 7", "99.2", 1, std::nullopt},
        {"Skybird 7", "72", 1, std::nullopt},
        {"Skybird", "99.2", 1, std::nullopt},
        {"", "", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindShownSatellite(table, c.name, c.position, c.preferred), c.row)
            << c.name << " at " << c.position;
    }
    EXPECT_THROW(FindShownSatellite(table, "Skybird 7", "1E999", 1), RunTimeFailure);
}

TEST(SatelliteSearch, DuplicateNamesAreTrimmedButCaseSensitive) {
    const SatelliteTable table = Table({{"Only In Row Zero", 1, 0}, {"Skybird 7", 2, 0}});
    EXPECT_TRUE(IsDuplicateSatelliteName(table, "Skybird 7"));
    EXPECT_TRUE(IsDuplicateSatelliteName(table, "  Skybird 7  "));
    EXPECT_FALSE(IsDuplicateSatelliteName(table, "SKYBIRD 7"));
    EXPECT_FALSE(IsDuplicateSatelliteName(table, "Only In Row Zero"));
    EXPECT_FALSE(IsDuplicateSatelliteName(SatelliteTable{}, ""));
}

}  // namespace
}  // namespace tarvo
