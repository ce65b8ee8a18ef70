#include "catalogue/location_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "catalogue/file_error.h"
#include "catalogue/location_record.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

namespace fs = std::filesystem;

// Worked by hand: 40.5 = 1.265625 * 2^5, exponent 1023 + 5 = 0x404, fraction bit 2^-6
// gives 0x4044400000000000; 100.25 = 1.56640625 * 2^6 gives 0x4059100000000000;
// -1 is 0xBFF0000000000000. Little-endian: lowest byte first.
const std::string kLat40_5("\x00\x00\x00\x00\x00\x40\x44\x40", 8);
const std::string kLong100_25("\x00\x00\x00\x00\x00\x10\x59\x40", 8);
const std::string kMinusOne("\x00\x00\x00\x00\x00\x00\xF0\xBF", 8);
const std::string kZero(8, '\0');

const std::string kBaseBytes = "Base" + std::string(46, ' ') + kLat40_5 + kLong100_25;
const std::string kDeletedBytes = "\xFF" + std::string(49, ' ') + kZero + kZero;

LocationRecord Base() {
    return {"Base", 40.5, 100.25};
}

std::string AsString(const std::array<unsigned char, kLocationRecordSize>& bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::string FixedName(const std::string& name) {
    return name + std::string(50 - name.size(), ' ');
}

void ExpectRecord(const LocationRecord& record, const std::string& name, double lat, double lon) {
    EXPECT_EQ(record.LocName, FixedName(name));
    EXPECT_EQ(record.LocLat, lat);
    EXPECT_EQ(record.LocLong, lon);
}

TEST(LocationRecord, SixtySixBytesLittleEndian) {
    ASSERT_EQ(kBaseBytes.size(), 66u);
    EXPECT_EQ(AsString(EncodeLocationRecord(Base())), kBaseBytes);
    EXPECT_EQ(AsString(EncodeLocationRecord({std::string(55, 'L'), -1, 0})),
              std::string(50, 'L') + kMinusOne + kZero);
    EXPECT_EQ(AsString(EncodeLocationRecord(DeletedLocationRecord())), kDeletedBytes);

    const std::string bytes = kBaseBytes;
    ExpectRecord(DecodeLocationRecord(
                     std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())),
                 "Base", 40.5, 100.25);
    // A record cut short: the missing name bytes are spaces, the coordinates zero.
    ExpectRecord(
        DecodeLocationRecord(std::span(reinterpret_cast<const unsigned char*>(bytes.data()), 3)),
        "Bas", 0, 0);
}

TEST(LocationRecord, DeletionMark) {
    EXPECT_TRUE(IsDeletedLocation(DeletedLocationRecord()));
    EXPECT_TRUE(IsDeletedLocation({"  \xFF   ", 1, 2}));  // judged on the trimmed name
    EXPECT_FALSE(IsDeletedLocation({"\xFF\xFF", 0, 0}));
    EXPECT_FALSE(IsDeletedLocation({"x\xFF", 0, 0}));
    EXPECT_FALSE(IsDeletedLocation({"", 0, 0}));
}

TEST(LocationFile, CreatesWritesInPlaceAndAppends) {
    TempFolder folder;
    const std::string name = folder.Name("trucks.loc");
    LocationFile file(name);
    EXPECT_TRUE(fs::exists(name));
    EXPECT_EQ(fs::file_size(name), 0u);
    EXPECT_EQ(file.Count(), 0);
    EXPECT_TRUE(file.ReadAll().empty());

    file.Write(1, Base());
    EXPECT_EQ(file.Count(), 1);
    EXPECT_EQ(ReadBytes(name), kBaseBytes);  // on disk at once

    file.Write(2, {"Second", -1, 0});
    EXPECT_EQ(file.Count(), 2);
    const std::string second = "Second" + std::string(44, ' ') + kMinusOne + kZero;
    EXPECT_EQ(ReadBytes(name), kBaseBytes + second);

    file.Write(1, DeletedLocationRecord());
    EXPECT_EQ(file.Count(), 2);
    EXPECT_EQ(ReadBytes(name), kDeletedBytes + second);

    EXPECT_TRUE(IsDeletedLocation(file.Read(1)));
    ExpectRecord(file.Read(2), "Second", -1, 0);
    const auto all = file.ReadAll();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(IsDeletedLocation(all[0]));
    ExpectRecord(all[1], "Second", -1, 0);

    EXPECT_THROW(file.Read(0), FileReadError);
    EXPECT_THROW(file.Write(0, Base()), FileWriteError);
    EXPECT_THROW(file.Write(32768, Base()), FileWriteError);
}

TEST(LocationFile, OpeningNeverChangesTheFile) {
    TempFolder folder;
    const std::string name = folder.Name("old.loc");
    WriteBytes(name, kBaseBytes + kBaseBytes);
    {
        LocationFile file(name);
        EXPECT_EQ(file.Count(), 2);
        ExpectRecord(file.Read(2), "Base", 40.5, 100.25);
    }
    EXPECT_EQ(ReadBytes(name), kBaseBytes + kBaseBytes);
}

TEST(LocationFile, CountRoundsHalfToEven) {
    TempFolder folder;
    const auto countOf = [&folder](std::size_t bytes) {
        const std::string name = folder.Name("n" + std::to_string(bytes) + ".loc");
        WriteBytes(name, std::string(bytes, 'x'));
        return LocationFile(name).Count();
    };
    EXPECT_EQ(countOf(0), 0);
    EXPECT_EQ(countOf(32), 0);
    EXPECT_EQ(countOf(33), 0);  // half of one record: to the even 0
    EXPECT_EQ(countOf(34), 1);
    EXPECT_EQ(countOf(98), 1);   // 1.48
    EXPECT_EQ(countOf(99), 2);   // 1.5: to the even 2
    EXPECT_EQ(countOf(100), 2);  // 1.52
    EXPECT_EQ(countOf(132), 2);
    EXPECT_EQ(countOf(165), 2);  // 2.5: to the even 2
}

TEST(LocationFile, BytesBeyondTheEndReadAsBlank) {
    TempFolder folder;
    const std::string name = folder.Name("short.loc");
    WriteBytes(name, kBaseBytes + std::string(34, 'x'));  // 100 bytes: 2 records
    LocationFile file(name);
    ASSERT_EQ(file.Count(), 2);
    ExpectRecord(file.Read(2), std::string(34, 'x'), 0, 0);
    ExpectRecord(file.Read(3), "", 0, 0);
    const auto all = file.ReadAll();
    ASSERT_EQ(all.size(), 2u);
    ExpectRecord(all[0], "Base", 40.5, 100.25);
    ExpectRecord(all[1], std::string(34, 'x'), 0, 0);

    // Writing record 2 completes it in place.
    file.Write(2, Base());
    EXPECT_EQ(ReadBytes(name), kBaseBytes + kBaseBytes);
}

// The records of a file held in memory, read as from the file: the count rounded as the
// file's, a last record cut short read blank where its bytes are missing.
TEST(LocationFile, RecordsFromBytesInMemory) {
    const auto read = [](const std::string& bytes) {
        return ReadLocationRecords(
            std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    };
    EXPECT_TRUE(read("").empty());
    EXPECT_TRUE(read(std::string(33, 'x')).empty());  // half a record: to the even 0
    const auto two = read(kBaseBytes + kDeletedBytes + std::string(33, 'y'));  // 2.5 records
    ASSERT_EQ(two.size(), 2u);
    ExpectRecord(two[0], "Base", 40.5, 100.25);
    EXPECT_TRUE(IsDeletedLocation(two[1]));
    const auto cut = read(kBaseBytes + "Cut" + kLat40_5);  // 1.17 records: 1
    ASSERT_EQ(cut.size(), 1u);
    const auto three = read(kBaseBytes + kBaseBytes + std::string(34, 'z'));  // 2.52: 3
    ASSERT_EQ(three.size(), 3u);
    ExpectRecord(three[1], "Base", 40.5, 100.25);
    ExpectRecord(three[2], std::string(34, 'z'), 0, 0);
    const auto oneShort = read(kBaseBytes.substr(0, 54));  // name whole, latitude in part
    ASSERT_EQ(oneShort.size(), 1u);
    EXPECT_EQ(oneShort[0].LocName, FixedName("Base"));
    EXPECT_EQ(oneShort[0].LocLong, 0);
}

TEST(LocationFile, ReadAllOfAFileOfThousandsOfRecords) {
    // Record n (1..2049) is named "R<n>" and lies at n north, -n west; the last one is
    // cut short after 34 bytes, so the file holds 2048 * 66 + 34 bytes: 2049 records.
    constexpr int kRecords = 2049;
    std::string bytes;
    for (int n = 1; n <= kRecords; ++n) {
        const double place = n;
        bytes += AsString(EncodeLocationRecord({"R" + std::to_string(n), place, -place}));
    }
    bytes.resize(bytes.size() - 32);
    TempFolder folder;
    const std::string name = folder.Name("many.loc");
    WriteBytes(name, bytes);

    const auto all = LocationFile(name).ReadAll();
    ASSERT_EQ(all.size(), static_cast<std::size_t>(kRecords));
    for (int n = 1; n < kRecords; ++n) {
        const LocationRecord& record = all[static_cast<std::size_t>(n - 1)];
        ASSERT_EQ(record.LocName, FixedName("R" + std::to_string(n))) << n;
        ASSERT_EQ(record.LocLat, n) << n;
        ASSERT_EQ(record.LocLong, -n) << n;
    }
    ExpectRecord(all.back(), "R2049", 0, 0);
}

TEST(LocationFile, AtMost32767Records) {
    TempFolder folder;
    const std::string name = folder.Name("big.loc");
    WriteBytes(name, "");
    ASSERT_EQ(::truncate(name.c_str(), 32767 * 66), 0);
    EXPECT_EQ(LocationFile(name).Count(), 32767);
    ASSERT_EQ(::truncate(name.c_str(), 32767 * 66 + 33), 0);  // 32767.5 rounds to 32768
    EXPECT_THROW(LocationFile{name}, FileOpenError);
    ASSERT_EQ(::truncate(name.c_str(), 32768 * 66), 0);
    EXPECT_THROW(LocationFile{name}, FileOpenError);
    EXPECT_EQ(fs::file_size(name), 32768u * 66);  // refused, not cut
}

TEST(LocationFile, OpenFailuresNameTheReason) {
    TempFolder folder;
    try {
        LocationFile file(folder.path().string());
        ADD_FAILURE() << "a folder opened as a location file";
    } catch (const FileOpenError& error) {
        EXPECT_STREQ(error.what(), "Is a directory");
    }
    // A file without write permission is refused and left as it was, also for root.
    const std::string readOnly = folder.Name("read-only.loc");
    WriteBytes(readOnly, kBaseBytes);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    try {
        LocationFile file(readOnly);
        ADD_FAILURE() << "a read-only location file opened for writing";
    } catch (const FileOpenError& error) {
        EXPECT_STREQ(error.what(), "Permission denied");
    }
    EXPECT_EQ(ReadBytes(readOnly), kBaseBytes);

    EXPECT_THROW(LocationFile{""}, FileOpenError);
    EXPECT_THROW(LocationFile{folder.Name("no/such/folder.loc")}, FileOpenError);
}

TEST(LocationFile, CoordinatesThatAreNoNumbersReadAsZero) {
    // Worked by hand: a quiet NaN is 0x7FF8000000000000, the infinities 0x7FF0... and
    // 0xFFF0..., the largest double 0x7FEFFFFFFFFFFFFF (kept: it is a number).
    const std::string nan("\x00\x00\x00\x00\x00\x00\xF8\x7F", 8);
    const std::string plusInfinity("\x00\x00\x00\x00\x00\x00\xF0\x7F", 8);
    const std::string minusInfinity("\x00\x00\x00\x00\x00\x00\xF0\xFF", 8);
    const std::string largest("\xFF\xFF\xFF\xFF\xFF\xFF\xEF\x7F", 8);
    const std::string name = "Damaged" + std::string(43, ' ');
    TempFolder folder;
    const std::string file = folder.Name("damaged.loc");
    WriteBytes(file, name + nan + plusInfinity + name + minusInfinity + largest);

    LocationFile locations(file);
    ExpectRecord(locations.Read(1), "Damaged", 0, 0);
    ExpectRecord(locations.Read(2), "Damaged", 0, 1.7976931348623157e308);
    const auto all = locations.ReadAll();
    ASSERT_EQ(all.size(), 2u);
    ExpectRecord(all[0], "Damaged", 0, 0);
    ExpectRecord(all[1], "Damaged", 0, 1.7976931348623157e308);
}

TEST(LocationFile, MovesOwnership) {
    TempFolder folder;
    LocationFile first(folder.Name("a.loc"));
    first.Write(1, Base());
    LocationFile second(std::move(first));
    EXPECT_EQ(second.Count(), 1);
    ExpectRecord(second.Read(1), "Base", 40.5, 100.25);
    LocationFile third(folder.Name("b.loc"));
    third = std::move(second);
    EXPECT_EQ(third.Count(), 1);
    ExpectRecord(third.Read(1), "Base", 40.5, 100.25);
}

}  // namespace
}  // namespace tarvo
