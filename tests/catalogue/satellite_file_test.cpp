#include "catalogue/satellite_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "catalogue/whole_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::string Padded(const std::string& name) {
    return name + std::string(25 - name.size(), ' ');
}

SatelliteTable ThreeSatellites() {
    SatelliteTable table;
    table.Append({"Skybird 7", 99.2, 1});  // row 0, the default satellite
    table.Append({"Skybird 7", 99.2, 1});
    table.Append({"Polar Relay", 0.5, 0});
    return table;
}

// ThreeSatellites() as the file holds it, written out by hand: a 9-character name is
// followed by 16 spaces inside the quotes.
const std::string kThreeSatellitesFile =
    "\"Skybird 7                \"\r\n99.2\r\n1\r\n"
    "\"Skybird 7                \"\r\n99.2\r\n1\r\n"
    "\"Polar Relay              \"\r\n0.5\r\n0\r\n";

void ExpectRow(const SatelliteTable& table, int row, const std::string& name, double longitude,
               int look) {
    ASSERT_LE(row, table.SatLast());
    EXPECT_EQ(table.Row(row).SatName, Padded(name)) << "row " << row;
    EXPECT_EQ(table.Row(row).SatLong, longitude) << "row " << row;
    EXPECT_EQ(table.Row(row).SatLook, look) << "row " << row;
}

TEST(SatelliteFile, WritesThreeLinesPerRow) {
    EXPECT_EQ(SatelliteFileText(ThreeSatellites()), kThreeSatellitesFile);
    // No rows: one blank record, since an empty file would read as a damaged one.
    EXPECT_EQ(SatelliteFileText(SatelliteTable{}), "\"" + Padded("") + "\"\r\n0\r\n0\r\n");

    SatelliteTable odd;
    odd.Append({"", -5, 0});
    odd.Append({"W", 101, 7});
    odd.Append({"Negative fraction", -0.25, -1});
    EXPECT_EQ(SatelliteFileText(odd), "\"" + Padded("") + "\"\r\n-5\r\n0\r\n\"" + Padded("W") +
                                          "\"\r\n101\r\n7\r\n\"" + Padded("Negative fraction") +
                                          "\"\r\n-0.25\r\n-1\r\n");
}

TEST(SatelliteFile, ReadsWhatItWrites) {
    const SatelliteFileRead read = ParseSatelliteFile(kThreeSatellitesFile);
    ASSERT_TRUE(read.ok) << read.failure;
    EXPECT_EQ(read.table.SatLast(), 2);
    ExpectRow(read.table, 0, "Skybird 7", 99.2, 1);
    ExpectRow(read.table, 1, "Skybird 7", 99.2, 1);
    ExpectRow(read.table, 2, "Polar Relay", 0.5, 0);

    // One record only: row 0 and no catalogue.
    const SatelliteFileRead single = ParseSatelliteFile("\"Home Bird\"\r\n45\r\n0\r\n");
    ASSERT_TRUE(single.ok);
    EXPECT_EQ(single.table.SatLast(), 0);
}

TEST(SatelliteFile, ReaderIsTolerant) {
    const std::string bytes =
        "\"Alpha One\", 101.5 , 1\r\n"      // three items on one line
        "  Beta Two  ,.5,0\n"               // unquoted, leading spaces, no leading zero, LF
        "\"Gamma\" ignored,-5,2\r"          // rest after the quote skipped, bare CR
        "\"Delta\"\r\nnorth\r\nyes\r\n"     // words read as 0
        "\"Epsilon\"\r\n 99 .2 W\r\n1\r\n"  // spaces inside skipped, the number ends at W
        "Zeta,\r\n,"                        // empty items read as 0; the comma ends the data
        "";
    const SatelliteFileRead read = ParseSatelliteFile(bytes);
    ASSERT_TRUE(read.ok) << read.failure;
    ASSERT_EQ(read.table.SatLast(), 5);
    ExpectRow(read.table, 0, "Alpha One", 101.5, 1);
    ExpectRow(read.table, 1, "Beta Two", 0.5, 0);
    ExpectRow(read.table, 2, "Gamma", -5, 2);
    ExpectRow(read.table, 3, "Delta", 0, 0);
    ExpectRow(read.table, 4, "Epsilon", 99.2, 1);
    ExpectRow(read.table, 5, "Zeta", 0, 0);

    // The last record may lack its line end; a mark of 2.5 rounds to 2.
    const SatelliteFileRead last = ParseSatelliteFile("\"A\"\r\n1\r\n2.5");
    ASSERT_TRUE(last.ok);
    EXPECT_EQ(last.table.Row(0).SatLook, 2);

    // Names longer than 25 characters are cut, and written back cut.
    const std::string longName = "Twenty-five characters ok and more";
    const SatelliteFileRead cut = ParseSatelliteFile("\"" + longName + "\",1,0\r\n");
    ASSERT_TRUE(cut.ok);
    EXPECT_EQ(cut.table.Row(0).SatName, "Twenty-five characters ok");
    EXPECT_EQ(SatelliteFileText(cut.table), "\"Twenty-five characters ok\"\r\n1\r\n0\r\n");
}

TEST(SatelliteFile, NumericItemsRunToTheCommaOrLineEnd) {
    // A unit or a stray space typed after a number does not shift the items that follow:
    // the second record is still read as a record of its own.
    const SatelliteFileRead read =
        ParseSatelliteFile("\"Def\"\r\n101 W\r\n1\r\n\"A\"\r\n- 99\r\n0 \r\n");
    ASSERT_TRUE(read.ok) << read.failure;
    ASSERT_EQ(read.table.SatLast(), 1);
    ExpectRow(read.table, 0, "Def", 101, 1);
    ExpectRow(read.table, 1, "A", -99, 0);
}

TEST(SatelliteFile, FailuresKeepTheCompleteRecords) {
    const SatelliteFileRead empty = ParseSatelliteFile("");
    EXPECT_FALSE(empty.ok);
    EXPECT_FALSE(empty.failure.empty());
    EXPECT_EQ(empty.table.SatLast(), -1);
    EXPECT_FALSE(ParseSatelliteFile("   ").ok);

    const SatelliteFileRead truncated =
        ParseSatelliteFile("\"A\"\r\n1\r\n0\r\n\"B\"\r\n2\r\n0\r\n\"C\"\r\n3\r\n");
    EXPECT_FALSE(truncated.ok);
    EXPECT_EQ(truncated.table.SatLast(), 1);
    ExpectRow(truncated.table, 1, "B", 2, 0);

    const SatelliteFileRead blankLine = ParseSatelliteFile("\"A\"\r\n1\r\n0\r\n\r\n");
    EXPECT_FALSE(blankLine.ok);
    EXPECT_EQ(blankLine.table.SatLast(), 0);
    EXPECT_FALSE(ParseSatelliteFile("\"A\"\r\n1\r\n0\r\n  ").ok);

    const SatelliteFileRead bigMark = ParseSatelliteFile("\"A\",1,0\r\n\"B\",2,40000\r\n");
    EXPECT_FALSE(bigMark.ok);
    EXPECT_EQ(bigMark.table.SatLast(), 0);
    EXPECT_FALSE(ParseSatelliteFile("\"A\",1,32767.5\r\n").ok);  // rounds to 32768
    EXPECT_TRUE(ParseSatelliteFile("\"A\",1,-32768\r\n").ok);
    EXPECT_FALSE(ParseSatelliteFile("\"A\",1E400,0\r\n").ok);  // beyond the double range
    EXPECT_FALSE(ParseSatelliteFile("\"never closed,1,0\r\n").ok);
}

TEST(SatelliteFile, AtMost32767Records) {
    std::string bytes;
    for (int i = 0; i < 32767; ++i) {
        bytes += "\"S\",1,0\r\n";
    }
    const SatelliteFileRead full = ParseSatelliteFile(bytes);
    EXPECT_TRUE(full.ok);
    EXPECT_EQ(full.table.SatLast(), 32766);

    const SatelliteFileRead over = ParseSatelliteFile(bytes + "\"T\",2,0\r\n");
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.table.SatLast(), 32766);
}

TEST(SatelliteFile, FileOnDisk) {
    TempFolder folder;
    const std::string name = folder.Name("tarvo.sat");
    const SatelliteFileRead missing = ReadSatelliteFile(name);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.failure, "No such file or directory");
    EXPECT_TRUE(missing.missing);
    EXPECT_FALSE(ReadSatelliteFile("").ok);
    EXPECT_TRUE(ReadSatelliteFile("").missing);

    // A damaged file and one that cannot be read are there: they are not missing.
    WriteBytes(folder.file("damaged.sat"), "\"Half\"\r\n");
    const SatelliteFileRead damaged = ReadSatelliteFile(folder.Name("damaged.sat"));
    EXPECT_FALSE(damaged.ok);
    EXPECT_FALSE(damaged.missing);
    std::filesystem::create_directory(folder.file("folder.sat"));
    EXPECT_FALSE(ReadSatelliteFile(folder.Name("folder.sat")).missing);

    WriteSatelliteFile(SatelliteTable{}, folder.Name("empty.sat"));
    EXPECT_TRUE(ReadSatelliteFile(folder.Name("empty.sat")).ok);

    WriteSatelliteFile(ThreeSatellites(), name);
    EXPECT_EQ(ReadWholeFile(name), kThreeSatellitesFile);
    const SatelliteFileRead read = ReadSatelliteFile(name);
    ASSERT_TRUE(read.ok);
    ExpectRow(read.table, 2, "Polar Relay", 0.5, 0);
}

// The file is read as its bytes are parsed in memory: the same rows, the same verdict
// and the same reason, for a whole file as for damaged ones, which keep the records
// complete before the damage.
TEST(SatelliteFile, FileReadsAsItsBytesInMemory) {
    struct Case {
        std::string bytes;
        bool ok;
        int rows;
    };
    const Case cases[] = {
        {kThreeSatellitesFile, true, 3},
        {"\"A\",1,0\r\n\"B\",2,0\r\n\"C\",3\r\n", false, 2},  // ends inside a record
        {"\"A\",1,0\r\n\r\n", false, 1},                      // a blank line after the last record
        {"\"A\",1,0\r\n\"B\",2,40000\r\n", false, 1},         // a mark beyond 16 bits
        {"", false, 0},
    };
    TempFolder folder;
    const std::string name = folder.Name("same.sat");
    for (const Case& c : cases) {
        WriteBytes(folder.file("same.sat"), c.bytes);
        const SatelliteFileRead fromFile = ReadSatelliteFile(name);
        const SatelliteFileRead fromBytes = ParseSatelliteFile(c.bytes);
        EXPECT_EQ(fromBytes.ok, c.ok) << c.bytes;
        EXPECT_EQ(fromFile.ok, c.ok) << c.bytes;
        EXPECT_EQ(fromFile.failure, fromBytes.failure) << c.bytes;
        EXPECT_FALSE(fromFile.missing) << c.bytes;
        ASSERT_EQ(fromBytes.table.SatLast() + 1, c.rows) << c.bytes;
        ASSERT_EQ(fromFile.table.SatLast() + 1, c.rows) << c.bytes;
        for (int row = 0; row < c.rows; ++row) {
            EXPECT_EQ(fromFile.table.Row(row).SatName, fromBytes.table.Row(row).SatName);
            EXPECT_EQ(fromFile.table.Row(row).SatLong, fromBytes.table.Row(row).SatLong);
            EXPECT_EQ(fromFile.table.Row(row).SatLook, fromBytes.table.Row(row).SatLook);
        }
    }
}

TEST(SatelliteTable, RowsAreNumberedFromZeroAndNamesPadded) {
    SatelliteTable table;
    EXPECT_EQ(table.SatLast(), -1);
    EXPECT_THROW(table.Row(0), std::out_of_range);
    table.Append({"Zero", 1, 0});
    table.Append({"One", 2, 1});
    table.Append({"Two", 3, 0});
    EXPECT_EQ(table.SatLast(), 2);
    EXPECT_EQ(table.Row(1).SatName, Padded("One"));
    table.SetRow(1, {std::string(30, 'x'), 4, 1});
    EXPECT_EQ(table.Row(1).SatName, std::string(25, 'x'));
    table.Remove(1);
    EXPECT_EQ(table.SatLast(), 1);
    EXPECT_EQ(table.Row(1).SatName, Padded("Two"));
    EXPECT_THROW(table.Row(2), std::out_of_range);
    EXPECT_THROW(table.SetRow(-1, {}), std::out_of_range);
}

}  // namespace
}  // namespace tarvo
