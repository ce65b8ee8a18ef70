#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "catalogue/settings.h"
#include "disk_files.h"
#include "form_fixture.h"

namespace tarvo::testing {
namespace {

using SettingsCommandsTest = FormTest;

const std::string kQuestion =
    "Tarvo.ini file is missing or corrupt.\x0A\x0D"
    "Do you want the program to rebuild it?";

// tarvo.ini as rebuilt with the defaults, line by line.
std::string DefaultFileBytes() {
    const std::string blankLocation(50, ' ');
    return " 0 \r\n"  // elevation offset
           " 0 \r\n"  // azimuth offset
           "\r\n"     // no location file
           + blankLocation + "\r\n" +
           " 0 \r\n"  // default longitude
           " 0 \r\n"  // default latitude
           "tarvo.sat\r\n"
           " 1 \r\n"  // alphabetical
           "Arial\r\n"
           " 14 \r\n"
           " 1000 \r\n"
           " 400 \r\n"
           " 100 \r\n"
           " 9009 \r\n";
}

// A file with no default value in it, ending in `endMark`.
std::string HandMadeFile(const std::string& endMark) {
    return "-1.5 \r\n"
           " .25 \r\n"
           "east.loc\r\n"
           "Truck yard\r\n"  // shorter than 50: padded on reading
           " 84.39 \r\n"
           " 33.75 \r\n"
           "north.sat\r\n"
           " 0 \r\n"
           "Courier New\r\n"
           " 12 \r\n"
           " 800 \r\n"
           " 300 \r\n"
           " 50 \r\n" +
           endMark + "\r\n";
}

void ExpectDefaults(const Settings& s) {
    EXPECT_EQ(s.ElOffset, 0);
    EXPECT_EQ(s.AzOffset, 0);
    EXPECT_EQ(s.LocFileName, "");
    EXPECT_EQ(s.DefaultLocName, std::string(50, ' '));
    EXPECT_EQ(s.DefaultLocLong, 0);
    EXPECT_EQ(s.DefaultLocLat, 0);
    EXPECT_EQ(s.SatFileName, "tarvo.sat");
    EXPECT_EQ(s.SortAlpha, 1);
    EXPECT_EQ(s.PrtFontName, "Arial");
    EXPECT_EQ(s.PrtFontSize, 14);
    EXPECT_EQ(s.PrtLeftMargin, 1000);
    EXPECT_EQ(s.PrtTopMargin, 400);
    EXPECT_EQ(s.PrtLineSpacing, 100);
}

// Settings that differ from the defaults in every field.
void SetNonDefaults(Settings& s) {
    s.ElOffset = 2;
    s.AzOffset = -3;
    s.LocFileName = "old.loc";
    s.DefaultLocName = "Old yard" + std::string(42, ' ');
    s.DefaultLocLong = 1;
    s.DefaultLocLat = 2;
    s.SatFileName = "old.sat";
    s.SortAlpha = 0;
    s.PrtFontName = "Old font";
    s.PrtFontSize = 9;
    s.PrtLeftMargin = 9;
    s.PrtTopMargin = 9;
    s.PrtLineSpacing = 9;
}

void ExpectRebuildQuestion(const ScriptedPlatform::Message& m, MsgAnswer answer) {
    EXPECT_EQ(m.text, kQuestion);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.title, "SNG Tarvo");
    EXPECT_EQ(m.answer, answer);
}

TEST_F(SettingsCommandsTest, GoodFileIsTakenWithoutAQuestion) {
    const std::string bytes = HandMadeFile(" 9009 ");
    WriteBytes(folder.file("tarvo.ini"), bytes);

    form->ReadINIFile();

    const Settings& s = form->state().Settings;
    EXPECT_EQ(s.ElOffset, -1.5);
    EXPECT_EQ(s.AzOffset, 0.25);
    EXPECT_EQ(s.LocFileName, "east.loc");
    EXPECT_EQ(s.DefaultLocName, "Truck yard" + std::string(40, ' '));
    EXPECT_EQ(s.DefaultLocLong, 84.39);
    EXPECT_EQ(s.DefaultLocLat, 33.75);
    EXPECT_EQ(s.SatFileName, "north.sat");
    EXPECT_EQ(s.SortAlpha, 0);
    EXPECT_EQ(s.PrtFontName, "Courier New");
    EXPECT_EQ(s.PrtFontSize, 12);
    EXPECT_EQ(s.PrtLeftMargin, 800);
    EXPECT_EQ(s.PrtTopMargin, 300);
    EXPECT_EQ(s.PrtLineSpacing, 50);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), bytes);  // reading writes nothing
}

TEST_F(SettingsCommandsTest, MissingFileRebuiltOnYes) {
    SetNonDefaults(test::WritableState(*form).Settings);
    platform.queueAnswer(MsgAnswer::Yes);

    form->ReadINIFile();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectRebuildQuestion(platform.lastMessage(), MsgAnswer::Yes);
    ExpectDefaults(form->state().Settings);
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), DefaultFileBytes());
    EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"tarvo.ini"});
}

TEST_F(SettingsCommandsTest, MissingFileOnNoWritesNothingAndRunsOnDefaults) {
    SetNonDefaults(test::WritableState(*form).Settings);
    platform.queueAnswer(MsgAnswer::No);

    form->ReadINIFile();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectRebuildQuestion(platform.lastMessage(), MsgAnswer::No);
    ExpectDefaults(form->state().Settings);
    EXPECT_TRUE(FolderNames(folder.path()).empty());
}

TEST_F(SettingsCommandsTest, WrongEndMarkCountsAsDamaged) {
    WriteBytes(folder.file("tarvo.ini"), HandMadeFile(" 1234 "));
    platform.queueAnswer(MsgAnswer::Yes);

    form->ReadINIFile();

    // What the 13 good lines held is dropped: every setting is back at its default.
    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectRebuildQuestion(platform.lastMessage(), MsgAnswer::Yes);
    ExpectDefaults(form->state().Settings);
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), DefaultFileBytes());
}

TEST_F(SettingsCommandsTest, ShortFileAnsweredNoIsLeftAsItWas) {
    const std::string whole = HandMadeFile(" 9009 ");
    const std::string thirteenLines = whole.substr(0, whole.rfind(" 9009 "));
    WriteBytes(folder.file("tarvo.ini"), thirteenLines);
    platform.queueAnswer(MsgAnswer::No);

    form->ReadINIFile();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectDefaults(form->state().Settings);
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), thirteenLines);
}

TEST_F(SettingsCommandsTest, FailedWriteIsReportedAndChangesNothingOnDisk) {
    // A folder stands where the file should be: the rewrite cannot replace it.
    std::filesystem::create_directory(folder.file("tarvo.ini"));
    WriteBytes(folder.file("tarvo.ini") / "inside", "kept");
    test::WritableState(*form).Settings.SortAlpha = 0;
    test::WritableState(*form).Settings.AzOffset = 1.25;

    EXPECT_FALSE(form->WriteINIFile());

    ASSERT_EQ(platform.messages().size(), 1u);
    const ScriptedPlatform::Message& m = platform.lastMessage();
    EXPECT_EQ(m.text, "The file tarvo.ini could not be written.\x0A\x0DIs a directory");
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.title, "SNG Tarvo");
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("tarvo.ini")));
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini") / "inside"), "kept");
    EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"tarvo.ini"});
    // The settings in memory go back to what the file last held: nothing was read, so
    // the defaults.
    ExpectDefaults(form->state().Settings);

    // The same folder cannot be read either: asked, answered Yes, the rebuild fails too
    // and says so; the program runs on the defaults.
    platform.clearRecords();
    platform.queueAnswer(MsgAnswer::Yes);
    form->ReadINIFile();
    ASSERT_EQ(platform.messages().size(), 2u);
    ExpectRebuildQuestion(platform.messages()[0], MsgAnswer::Yes);
    EXPECT_EQ(platform.messages()[1].text,
              "The file tarvo.ini could not be written.\x0A\x0DIs a directory");
    ExpectDefaults(form->state().Settings);
}

TEST_F(SettingsCommandsTest, ReadOnlyFileIsRefusedAndReportedWhoeverRunsTheProgram) {
    // The permission bits decide, so this holds when the tests run as root too.
    const std::string before = HandMadeFile(" 9009 ");
    WriteBytes(folder.file("tarvo.ini"), before);
    std::filesystem::permissions(folder.file("tarvo.ini"), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read);
    form->ReadINIFile();
    ASSERT_TRUE(platform.messages().empty());
    test::WritableState(*form).Settings.AzOffset = 1.25;
    test::WritableState(*form).Settings.SatFileName = "changed.sat";

    EXPECT_FALSE(form->WriteINIFile());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "The file tarvo.ini could not be written.\x0A\x0DPermission denied");
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), before);
    EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"tarvo.ini"});
    // Memory holds what the file holds again: lines 2 and 7 of the hand-made file.
    EXPECT_EQ(form->state().Settings.AzOffset, 0.25);
    EXPECT_EQ(form->state().Settings.SatFileName, "north.sat");
}

TEST_F(SettingsCommandsTest, APipeNamedTarvoIniIsAskedAboutLikeAMissingFile) {
    ASSERT_EQ(::mkfifo(folder.file("tarvo.ini").c_str(), 0644), 0);
    platform.queueAnswer(MsgAnswer::No);
    form->ReadINIFile();  // must not wait for a writer
    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectRebuildQuestion(platform.messages()[0], MsgAnswer::No);
    ExpectDefaults(form->state().Settings);
}

TEST_F(SettingsCommandsTest, WriteReplacesTheWholeFile) {
    WriteBytes(folder.file("tarvo.ini"), HandMadeFile(" 9009 ") + "an extra line\r\n");
    form->ReadINIFile();
    test::WritableState(*form).Settings.PrtFontSize = 10;

    EXPECT_TRUE(form->WriteINIFile());

    // Line by line as read, the font size changed, the extra line gone.
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")),
              "-1.5 \r\n .25 \r\neast.loc\r\nTruck yard" + std::string(40, ' ') +
                  "\r\n 84.39 \r\n 33.75 \r\nnorth.sat\r\n 0 \r\nCourier New\r\n 10 \r\n"
                  " 800 \r\n 300 \r\n 50 \r\n 9009 \r\n");
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(SettingsCommandsTest, OffsetsReadFromTheFileReachTheCalculation) {
    // Elevation offset -1.5, azimuth offset .25, the default location 84.39 W 33.75 N.
    WriteBytes(folder.file("tarvo.ini"), HandMadeFile(" 9009 "));
    form->ReadINIFile();

    // The worked example (181.556, 43.712, 20249.4) with the offsets added by hand.
    EXPECT_EQ(CalculateFor("101", "100", "40"), (Results{"181.806", "42.212", "20249.4"}));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Adjusted Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Adjusted Elevation:");
}

}  // namespace
}  // namespace tarvo::testing
