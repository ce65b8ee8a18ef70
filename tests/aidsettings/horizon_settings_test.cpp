// The horizon masks in pointing.ini: written and read back, and read from files written
// or damaged by hand.

#include "aidsettings/horizon_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "aidsettings/aid_settings.h"
#include "aidsettings/aid_settings_store.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

using Masks = std::map<std::string, HorizonMask>;

TEST(HorizonSettings, MasksGoThereAndBackAndAreThereAfterARestart) {
    TempFolder folder;
    const std::string name = folder.Name("pointing.ini");
    const std::string mantsala = "M\xc3\xa4nts\xc3\xa4l\xc3\xa4";  // "ä" is C3 A4
    {
        AidSettingsStore store(name);
        AidSettings changed = store.Settings();
        changed.Horizon.SetMask("Atlanta, GA", {{150, 30.5}, {210, 12}});
        changed.Horizon.SetMask("  " + mantsala + "  ", {{0, -2.5}, {360, 4}});
        changed.Horizon.SetMask("Z\xc3\xbcrich/Nord = 2", {{90, 90}});
        store.Save(changed);
    }
    const std::string bytes = ReadBytes(name);
    EXPECT_NE(bytes.find("[Horizon]"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(mantsala), std::string::npos) << bytes;  // UTF-8 as it is

    const AidSettingsStore restarted(name);
    const HorizonSettings& horizon = restarted.Settings().Horizon;
    const Masks expected = {
        {"Atlanta, GA", {{150, 30.5}, {210, 12}}},
        {mantsala, {{0, -2.5}, {360, 4}}},  // the name as the list shows it, trimmed
        {"Z\xc3\xbcrich/Nord = 2", {{90, 90}}},
    };
    EXPECT_EQ(horizon.Masks, expected);
    EXPECT_EQ(horizon.MaskFor(" Atlanta, GA "), expected.at("Atlanta, GA"));
    EXPECT_TRUE(horizon.MaskFor("Denver, CO").empty());
    EXPECT_TRUE(horizon.MaskFor("").empty());
    EXPECT_EQ(restarted.Settings().Gps.Port, 2947);  // the group beside it untouched
}

TEST(HorizonSettings, NoPointsRemovesTheMask) {
    HorizonSettings horizon;
    horizon.SetMask("Atlanta, GA", {{150, 30}});
    horizon.SetMask("Atlanta, GA ", {});
    EXPECT_TRUE(horizon.Masks.empty());
    horizon.SetMask("   ", {{1, 1}});  // no name, no mask
    EXPECT_TRUE(horizon.Masks.empty());
}

// A point with a value that does not read is left out; the rest of the file is read.
TEST(HorizonSettings, DamagedPointsAreLeftOutAndTheRestKept) {
    const std::string head = "[GPS]\nPort=3000\n[Horizon]\nMasks\\size=1\nMasks\\1\\Name=A\n";
    struct Case {
        const char* points;
        HorizonMask expected;
    };
    const Case cases[] = {
        {"Masks\\1\\Points\\size=2\nMasks\\1\\Points\\1\\Azimuth=10\n"
         "Masks\\1\\Points\\1\\Elevation=5\nMasks\\1\\Points\\2\\Azimuth=20\n"
         "Masks\\1\\Points\\2\\Elevation=6\n",
         {{10, 5}, {20, 6}}},
        // Azimuth beyond 360, an elevation below -5 or above 90, a word, a missing value.
        {"Masks\\1\\Points\\size=6\n"
         "Masks\\1\\Points\\1\\Azimuth=400\nMasks\\1\\Points\\1\\Elevation=5\n"
         "Masks\\1\\Points\\2\\Azimuth=20\nMasks\\1\\Points\\2\\Elevation=-5.1\n"
         "Masks\\1\\Points\\3\\Azimuth=30\nMasks\\1\\Points\\3\\Elevation=high\n"
         "Masks\\1\\Points\\4\\Azimuth=40\n"
         "Masks\\1\\Points\\5\\Azimuth=50\nMasks\\1\\Points\\5\\Elevation=90.5\n"
         "Masks\\1\\Points\\6\\Azimuth=360\nMasks\\1\\Points\\6\\Elevation=-5\n",
         {{360, -5}}},
        // A size that does not read: the numbered points present count.
        {"Masks\\1\\Points\\size=x\nMasks\\1\\Points\\1\\Azimuth=0\n"
         "Masks\\1\\Points\\1\\Elevation=90\n",
         {{0, 90}}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        WriteBytes(folder.file("pointing.ini"), head + c.points);
        const AidSettings read = ReadAidSettings(folder.Name("pointing.ini"));
        EXPECT_EQ(read.Gps.Port, 3000) << c.points;
        EXPECT_EQ(read.Horizon.MaskFor("A"), c.expected) << c.points;
    }

    // Every point damaged: the flat horizon, and no entry left for it.
    TempFolder folder;
    WriteBytes(folder.file("pointing.ini"),
               head +
                   "Masks\\1\\Points\\size=1\nMasks\\1\\Points\\1\\Azimuth=-1\n"
                   "Masks\\1\\Points\\1\\Elevation=3\n");
    EXPECT_TRUE(ReadAidSettings(folder.Name("pointing.ini")).Horizon.Masks.empty());
}

}  // namespace
}  // namespace tarvo
