#include "aidsettings/aid_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "aidsettings/aid_settings_store.h"
#include "catalogue/file_error.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(AidSettingsFile, AMissingFileGivesTheDefaultsAndIsNotMade) {
    TempFolder folder;
    const AidSettings read = ReadAidSettings(folder.Name("pointing.ini"));
    EXPECT_EQ(read.Gps.Host, "localhost");
    EXPECT_EQ(read.Gps.Port, 2947);

    const AidSettingsStore store(folder.Name("pointing.ini"));
    EXPECT_EQ(store.Settings().Gps.Port, 2947);
    EXPECT_EQ(store.ReadFailure(), "");
    EXPECT_FALSE(std::filesystem::exists(folder.file("pointing.ini")));
}

// A value that does not read keeps its default; the values beside it are read.
TEST(AidSettingsFile, ADamagedValueTakesItsDefaultAndTheRestIsKept) {
    struct Case {
        const char* file;
        const char* host;
        int port;
    };
    const Case cases[] = {
        {"[GPS]\nHost=truck-gps\nPort=twenty\n", "truck-gps", 2947},
        {"[GPS]\r\nHost=10.0.0.7\r\nPort=65536\r\n", "10.0.0.7", 2947},  // above the last port
        {"[GPS]\nHost=\nPort=2948\n", "localhost", 2948},                // an empty host
        {"[GPS]\nHost=two words\nPort=0\n", "localhost", 2947},          // port 0 is none
        {"[GPS]\nPort=-1\nHost=gps\n", "gps", 2947},
        {"[GPS]\nPort=2947.5\n", "localhost", 2947},                    // not a whole number
        {"not an ini line\n[GPS]\nPort = 3000 \n", "localhost", 3000},  // spaces around it
        {"[Other]\nPort=1\n", "localhost", 2947},                       // another group's key
        {"\xff\xfe\x01[GPS\nPort", "localhost", 2947},                  // no INI at all
    };
    for (const Case& c : cases) {
        TempFolder folder;
        WriteBytes(folder.file("pointing.ini"), c.file);
        const AidSettings read = ReadAidSettings(folder.Name("pointing.ini"));
        EXPECT_EQ(read.Gps.Host, c.host) << c.file;
        EXPECT_EQ(read.Gps.Port, c.port) << c.file;
    }
}

// The dish of the sun outages: a diameter or frequency edited by hand to no positive
// number keeps its default (1.8 m, 12 GHz).
TEST(AidSettingsFile, TheSunOutageDishReadsOnlyPositiveNumbers) {
    struct Case {
        const char* file;
        double diameter, frequency;
    };
    const Case cases[] = {
        {"[SunOutages]\nDishDiameter=2.4\nFrequency=14.25\n", 2.4, 14.25},
        {"[SunOutages]\nDishDiameter=0\nFrequency=-12\n", 1.8, 12},
        {"[SunOutages]\nDishDiameter=1,2\nFrequency=nan\n", 1.8, 12},
        {"[SunOutages]\nFrequency=4\n", 1.8, 4},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        WriteBytes(folder.file("pointing.ini"), c.file);
        const AidSettings read = ReadAidSettings(folder.Name("pointing.ini"));
        EXPECT_EQ(read.SunOutages.DishDiameter, c.diameter) << c.file;
        EXPECT_EQ(read.SunOutages.Frequency, c.frequency) << c.file;
    }
}

TEST(AidSettingsFile, TextsAreUtf8BothWays) {
    TempFolder folder;
    const std::string name = folder.Name("pointing.ini");
    // Written by hand in UTF-8: "ä" is C3 A4.
    WriteBytes(name, "[GPS]\nHost=gps.m\xc3\xa4nts\xc3\xa4l\xc3\xa4.fi\n");
    EXPECT_EQ(ReadAidSettings(name).Gps.Host, "gps.m\xc3\xa4nts\xc3\xa4l\xc3\xa4.fi");

    AidSettings changed;
    changed.Gps.Host = "\xe6\x9d\xb1\xe4\xba\xac-gps";  // two CJK letters, 3 bytes each
    changed.Gps.Port = 4000;
    WriteAidSettings(changed, name);
    const std::string bytes = ReadBytes(name);
    EXPECT_TRUE(Contains(bytes, "[GPS]")) << bytes;
    EXPECT_TRUE(Contains(bytes, "\xe6\x9d\xb1\xe4\xba\xac-gps"))
        << bytes;  // the letters as they are
    EXPECT_TRUE(Contains(bytes, "Port=4000")) << bytes;
    const AidSettings back = ReadAidSettings(name);
    EXPECT_EQ(back.Gps.Host, changed.Gps.Host);
    EXPECT_EQ(back.Gps.Port, 4000);
}

TEST(AidSettingsFile, WritingKeepsGroupsItDoesNotKnowAndReplacesItsOwn) {
    TempFolder folder;
    const std::string name = folder.Name("pointing.ini");
    WriteBytes(name, "[Later]\nWidth=12\n[GPS]\nHost=old\nRetired=1\n");
    AidSettings changed;
    changed.Gps.Host = "new";
    WriteAidSettings(changed, name);
    const std::string bytes = ReadBytes(name);
    EXPECT_TRUE(Contains(bytes, "[Later]\nWidth=12")) << bytes;
    EXPECT_TRUE(Contains(bytes, "Host=new")) << bytes;
    EXPECT_FALSE(Contains(bytes, "Retired")) << bytes;  // the group is written whole
    EXPECT_FALSE(Contains(bytes, "old")) << bytes;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary or lock file left beside it
}

TEST(AidSettingsFile, AFailedWriteIsToldAndKeepsTheOldFile) {
    TempFolder folder;
    const std::string name = folder.Name("pointing.ini");
    const std::string old = "[GPS]\nHost=truck\nPort=2950\n";
    WriteBytes(name, old);
    ASSERT_EQ(::chmod(name.c_str(), 0444), 0);  // nobody may write it, root included

    AidSettingsStore store(name);
    int told = 0;
    QObject::connect(&store, &AidSettingsStore::Changed, [&told] { ++told; });
    AidSettings changed = store.Settings();
    EXPECT_EQ(changed.Gps.Port, 2950);
    changed.Gps.Port = 3001;
    try {
        store.Save(changed);
        ADD_FAILURE() << "a read-only pointing.ini was written";
    } catch (const FileWriteError& error) {
        EXPECT_STREQ(error.what(), "Permission denied");
    }
    EXPECT_EQ(ReadBytes(name), old);
    EXPECT_EQ(store.Settings().Gps.Port, 3001);  // the change stays in use for this run
    EXPECT_EQ(told, 1);                          // and those showing it are told
}

TEST(AidSettingsFile, AFileThatCannotBeReadGivesTheDefaultsAndTheReason) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("pointing.ini"));
    const AidSettingsStore store(folder.Name("pointing.ini"));
    EXPECT_EQ(store.Settings().Gps.Host, "localhost");
    EXPECT_EQ(store.ReadFailure(), "Is a directory");
}

}  // namespace
}  // namespace tarvo
