// A process killed in the middle of rewriting a file: afterwards the file is, byte for
// byte, either what it was or what was being written, never a mix of the two.
//
// A child process writes the file over and over, the new contents and the old ones in
// turn, and is killed with SIGKILL at a moment drawn at random within a few rewrites, so
// that the kills land before, inside and after single writes; for a whole-file rewrite,
// every other kill comes soon after the rewrite's temporary file appears, so that some
// kills surely land inside a rewrite.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "catalogue/location_file.h"
#include "catalogue/satellite_file.h"
#include "catalogue/settings_file.h"
#include "catalogue/whole_file.h"
#include "child_process.h"
#include "mainwindow/data_files.h"
#include "support/temp_folder.h"

namespace tarvo::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The largest satellite file there is: the default satellite and 32,766 more, each
// version with its own longitudes all through, so that a mix would show anywhere.
SatelliteTable LargestTable(double shift) {
    SatelliteTable table;
    for (int row = 0; row <= 32766; ++row) {
        table.Append({"Bird " + std::to_string(row), (row % 3600) / 10.0 + shift,
                      static_cast<std::int16_t>(row % 2)});
    }
    return table;
}

// 32,767 location records, the largest location file.
std::string LargestLocationBytes(const std::string& prefix) {
    std::vector<LocationRecord> records;
    for (int n = 1; n <= LocationFile::kMaxRecords; ++n) {
        records.push_back(Loc(prefix + std::to_string(n), 30 + n % 20, 80 + n % 40));
    }
    return LocationFileBytes(records);
}

Settings SettingsNamed(const std::string& depot) {
    Settings settings = DefaultSettings();
    settings.DefaultLocName = depot + std::string(50 - depot.size(), ' ');
    settings.SatFileName = depot + ".sat";
    return settings;
}

// One file and how the program rewrites it: `write(true)` puts the new contents in
// place, `write(false)` the old ones.
struct Rewrite {
    std::string file;
    std::string oldBytes, newBytes;
    std::function<void(bool)> write;
    bool atomic = true;  // made beside the file and renamed over it
};

// The temporaries of rewrites of `file` beside it; with `remove`, they go.
int Temporaries(const fs::path& folder, const std::string& file, bool remove) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("." + file + ".")) {
            if (remove) {
                fs::remove(entry.path());
            }
            ++count;
        }
    }
    return count;
}

void KillRewrites(const test::TempFolder& folder, const Rewrite& rewrite) {
    SCOPED_TRACE(rewrite.file);
    const fs::path path = folder.file(rewrite.file);
    ASSERT_NE(rewrite.oldBytes, rewrite.newBytes);

    // The kills are spread over three rewrites as long as one takes here.
    test::WriteBytes(path, rewrite.oldBytes);
    const Clock::time_point start = Clock::now();
    rewrite.write(true);
    const auto once = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    ASSERT_EQ(test::ReadBytes(path), rewrite.newBytes);

    std::mt19937 random(12);
    std::uniform_int_distribution<long> anyMoment(0, 3 * once.count());
    std::uniform_int_distribution<long> soonAfter(0, once.count() / 4);
    const auto writing = [&] { return Temporaries(folder.path(), rewrite.file, false) > 0; };
    int oldFound = 0, newFound = 0, killedInside = 0;
    for (int round = 0; round < 20; ++round) {
        test::WriteBytes(path, rewrite.oldBytes);
        const bool aimed = rewrite.atomic && round % 2 == 1;
        const bool killed = KillDuring(
            [&](const std::function<void()>& started) {
                started();
                for (bool version = true;; version = !version) {
                    rewrite.write(version);
                }
            },
            std::chrono::microseconds(aimed ? soonAfter(random) : anyMoment(random)),
            aimed ? std::function<bool()>(writing) : nullptr);
        ASSERT_TRUE(killed) << "round " << round << ": the child ended before the kill";
        const std::string found = test::ReadBytes(path);
        oldFound += found == rewrite.oldBytes;
        newFound += found == rewrite.newBytes;
        ASSERT_TRUE(found == rewrite.oldBytes || found == rewrite.newBytes)
            << "round " << round << ": a mix of " << found.size() << " bytes";
        killedInside += Temporaries(folder.path(), rewrite.file, true) > 0;
    }
    std::printf("%s: one rewrite %ld us; after 20 kills old %d, new %d, %d inside a rewrite\n",
                rewrite.file.c_str(), static_cast<long>(once.count()), oldFound, newFound,
                killedInside);
    if (rewrite.atomic) {
        EXPECT_GT(killedInside, 0) << "no kill landed inside a rewrite";
    }
}

TEST(KilledRewrite, LeavesTheOldFileOrTheNewOne) {
    test::TempFolder folder;

    const SatelliteTable oldTable = LargestTable(0), newTable = LargestTable(0.5);
    KillRewrites(folder, {"sats.sat", SatelliteFileText(oldTable), SatelliteFileText(newTable),
                          [&](bool version) {
                              WriteSatelliteFile(version ? newTable : oldTable, "sats.sat");
                          }});

    const Settings oldSettings = SettingsNamed("Depot"), newSettings = SettingsNamed("Harbour");
    KillRewrites(folder, {"tarvo.ini", SettingsFileText(oldSettings), SettingsFileText(newSettings),
                          [&](bool version) {
                              WriteSettingsFile(version ? newSettings : oldSettings, "tarvo.ini");
                          }});

    // Save As of the largest location file over an older copy.
    const std::string oldSites = LargestLocationBytes("Old "), newSites = LargestLocationBytes("");
    test::WriteBytes(folder.file("old.loc"), oldSites);
    test::WriteBytes(folder.file("sites.loc"), newSites);
    KillRewrites(folder, {"copy.loc", oldSites, newSites, [&](bool version) {
                              CopyWholeFile(version ? "sites.loc" : "old.loc", "copy.loc");
                          }});
}

// A location record is written in place with one write of its 66 bytes, then flushed.
// A record that lies within one page of the file (4,096 bytes: all but one record in 62)
// is copied by the system in one piece, so a kill leaves it old or new; the records
// around it are never touched.
TEST(KilledRewrite, LeavesALocationRecordOldOrNew) {
    test::TempFolder folder;
    std::vector<LocationRecord> records;
    for (int n = 1; n <= 200; ++n) {
        records.push_back(Loc("Site " + std::to_string(n), 40, 100));
    }
    const std::string oldBytes = LocationFileBytes(records);
    records[99] = Loc("Harbour", 51.25, 3.5);  // record 100: bytes 6534 to 6599, one page
    const std::string newBytes = LocationFileBytes(records);

    std::optional<LocationFile> open;  // stays open across the writes, as in the program
    KillRewrites(folder, {"sites.loc", oldBytes, newBytes,
                          [&](bool version) {
                              if (!open) {
                                  open.emplace("sites.loc");
                              }
                              open->Write(100, version ? Loc("Harbour", 51.25, 3.5)
                                                       : Loc("Site 100", 40, 100));
                          },
                          false});
}

}  // namespace
}  // namespace tarvo::testing
