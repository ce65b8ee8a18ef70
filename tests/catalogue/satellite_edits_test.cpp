#include "catalogue/satellite_edits.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

SatelliteTable TableOf(std::initializer_list<SatelliteRecord> rows) {
    SatelliteTable table;
    for (const SatelliteRecord& row : rows) {
        table.Append(row);
    }
    return table;
}

TEST(SatelliteEdits, OnlyANameWithoutDoubleQuoteCanBeStored) {
    EXPECT_TRUE(FnSatelliteNameStorable("Galaxy 3R"));
    EXPECT_TRUE(FnSatelliteNameStorable(""));
    EXPECT_TRUE(FnSatelliteNameStorable("It's, here"));
    EXPECT_FALSE(FnSatelliteNameStorable("\"Quoted\""));
    EXPECT_FALSE(FnSatelliteNameStorable("Sat \"A\" west"));
}

TEST(SatelliteEdits, DefaultIsTheCatalogueRowWithRowZerosNameAtFullWidth) {
    const SatelliteTable table =
        TableOf({{"Galaxy", 99, 1}, {"GALAXY", 72, 0}, {"Galaxy", 99, 1}, {" Galaxy", 99, 0}});
    EXPECT_FALSE(IsDefaultSatellite(table, 0));  // row 0 is no catalogue row
    EXPECT_FALSE(IsDefaultSatellite(table, 1));  // letter case counts
    EXPECT_TRUE(IsDefaultSatellite(table, 2));
    EXPECT_FALSE(IsDefaultSatellite(table, 3));  // a leading blank counts
    EXPECT_FALSE(IsDefaultSatellite(table, 4));  // no such row

    EXPECT_FALSE(IsCatalogueRow(table, 0));
    EXPECT_TRUE(IsCatalogueRow(table, 1));
    EXPECT_TRUE(IsCatalogueRow(table, 3));
    EXPECT_FALSE(IsCatalogueRow(table, 4));
    EXPECT_FALSE(IsCatalogueRow(SatelliteTable{}, 0));
}

// Row 0 is a row's copy when both show the same: trimmed name and position; the mark
// may differ, since it is what a tick changes.
TEST(SatelliteEdits, RowZeroIsTheCopyOfARowOfTheSameTrimmedNameAndPosition) {
    const SatelliteTable table = TableOf({{" Galaxy", 99, 1},
                                          {"Galaxy", 99, 0},
                                          {"Galaxy", 97, 1},
                                          {"GALAXY", 99, 1},
                                          {"Galaxy ", 99, 1}});
    EXPECT_FALSE(IsDefaultCopyOf(table, 0));  // row 0 is no catalogue row
    EXPECT_TRUE(IsDefaultCopyOf(table, 1));
    EXPECT_FALSE(IsDefaultCopyOf(table, 2));  // another position
    EXPECT_FALSE(IsDefaultCopyOf(table, 3));  // letter case counts
    EXPECT_TRUE(IsDefaultCopyOf(table, 4));
    EXPECT_FALSE(IsDefaultCopyOf(table, 5));  // no such row
}

TEST(SatelliteEdits, AddingToATableWithoutRowsPutsABlankDefaultFirst) {
    SatelliteTable table;
    AddCatalogueRow(table, {"Arabsat", 334, 1});
    ASSERT_EQ(table.SatLast(), 1);
    EXPECT_EQ(table.Row(0).SatName, std::string(25, ' '));
    EXPECT_EQ(table.Row(0).SatLong, 0);
    EXPECT_EQ(table.Row(1).SatName, "Arabsat" + std::string(18, ' '));
    EXPECT_EQ(table.Row(1).SatLook, 1);

    SatelliteTable defaultOnly = TableOf({{"Default", 101, 0}});
    SetDefaultRow(table, {"New default", 5, 1});
    SetDefaultRow(defaultOnly, {"Replaced", 7, 0});
    SatelliteTable empty;
    SetDefaultRow(empty, {"Only", 9, 1});
    EXPECT_EQ(table.Row(0).SatName, "New default" + std::string(14, ' '));
    EXPECT_EQ(table.SatLast(), 1);
    EXPECT_EQ(defaultOnly.Row(0).SatName, "Replaced" + std::string(17, ' '));
    EXPECT_EQ(defaultOnly.SatLast(), 0);
    EXPECT_EQ(empty.SatLast(), 0);
    EXPECT_EQ(empty.Row(0).SatLong, 9);
}

}  // namespace
}  // namespace tarvo
