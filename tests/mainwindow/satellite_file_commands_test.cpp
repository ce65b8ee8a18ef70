#include <QAction>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/satellite_file.h"
#include "catalogue/settings_file.h"
#include "mainwindow/updating_guard.h"
#include "satellite_records.h"

namespace tarvo::testing {
namespace {

// The current file: its default satellite Delta (101 W) and three catalogue rows.
const std::string kCurrent = Record("Delta", "101", "1") + Record("Alpha", "30", "0") +
                             Record("Delta", "101", "1") + Record("Echo", "120", "0");

// A blank record: the name of 25 blanks, position 0, mark 0.
const std::string kBlank = "\"                         \"\r\n0\r\n0\r\n";

class SatelliteFileMenuTest : public SatelliteFormTest {
  protected:
    void SetUp() override {
        Load("tarvo.sat", kCurrent);
        form->WriteINIFile();
        settingsBefore = ReadBytes(folder.file("tarvo.ini"));
        // 40 N, 100 W: from 99 W and 101 W the look angles of the worked examples.
        test::Find<TextBox>(*form, "txtLongitude")->setText("100");
        test::Find<TextBox>(*form, "txtLatitude")->setText("40");
    }

    std::string Path(const std::string& name) const { return folder.file(name).string(); }

    // Line 7 of the settings file: the current satellite file.
    std::string SettingsSatFile() const {
        const std::string bytes = ReadBytes(folder.file("tarvo.ini"));
        std::size_t start = 0;
        for (int line = 1; line < 7; ++line) {
            start = bytes.find("\r\n", start) + 2;
        }
        return bytes.substr(start, bytes.find("\r\n", start) - start);
    }

    // Nothing of the current catalogue has changed: file, settings, table, lists.
    void ExpectUnchanged() {
        EXPECT_EQ(form->state().Settings.SatFileName, "tarvo.sat");
        EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), settingsBefore);
        EXPECT_EQ(ReadBytes(folder.file("tarvo.sat")), kCurrent);
        EXPECT_EQ(RowNames(), (std::vector<std::string>{Stored("Delta"), Stored("Alpha"),
                                                        Stored("Delta"), Stored("Echo")}));
        EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
                  (std::vector<std::string>{"30", "101", "120"}));
    }

    void ExpectOnlyMessage(const std::string& text, MsgButtons buttons) {
        ASSERT_EQ(platform.messages().size(), 1u) << text;
        const ScriptedPlatform::Message& m = platform.lastMessage();
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.buttons, buttons);
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.title, "SNG Tarvo");
    }

    std::string settingsBefore;
};

TEST_F(SatelliteFileMenuTest, NewOnAnExistingFileAsksThenLeavesTwoBlankRecords) {
    const std::string birds = Path("birds.sat");
    WriteBytes(birds, Record("Old", "5", "1"));
    {
        UpdatingGuard updating(test::WritableState(*form).Updating);
        test::Find<CheckBox>(*form, "chkLookList")->setValue(1);
    }

    platform.queueFile(birds);
    platform.queueAnswer(MsgAnswer::Cancel);
    test::Find<QAction>(*form, "mnuNewSatFile")->trigger();
    ExpectOnlyMessage(birds + " already exists." + kLineBreak +
                          "This operation will erase any existing data in this file." + kConfirm,
                      MsgButtons::OkCancel);
    EXPECT_EQ(ReadBytes(birds), Record("Old", "5", "1"));
    ExpectUnchanged();

    platform.queueFile(birds);
    platform.queueAnswer(MsgAnswer::Ok);
    test::Find<QAction>(*form, "mnuNewSatFile")->trigger();
    EXPECT_EQ(ReadBytes(birds), kBlank + kBlank);  // six lines
    EXPECT_EQ(form->state().Settings.SatFileName, birds);
    EXPECT_EQ(SettingsSatFile(), birds);
    EXPECT_EQ(form->state().SatelliteTable.SatLast(), 1);
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")), std::vector<std::string>{""});
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")), std::vector<std::string>{"0"});
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
    EXPECT_EQ(ReadBytes(folder.file("tarvo.sat")), kCurrent);  // the old file stays
    EXPECT_EQ(platform.pendingCount(), 0u);
}

TEST_F(SatelliteFileMenuTest, NewOnAMissingNameCreatesItWhateverUpdatingWas) {
    // Typing a new location name leaves Updating at -1; New still does its work.
    test::WritableState(*form).Updating = -1;
    platform.queueFile(Path("fresh.sat"));
    test::Find<QAction>(*form, "mnuNewSatFile")->trigger();
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(ReadBytes(Path("fresh.sat")), kBlank + kBlank);
    EXPECT_EQ(SettingsSatFile(), Path("fresh.sat"));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")), std::vector<std::string>{"0"});
}

TEST_F(SatelliteFileMenuTest, OpenShowsTheDefaultSatelliteAndCalculates) {
    const std::string other = Path("other.sat");
    WriteBytes(other, Record("Charlie", "99", "1") + Record("Bravo", "72", "0") +
                          Record("Charlie", "99", "1"));
    platform.queueFile(other);
    test::Find<QAction>(*form, "mnuOpenSatFile")->trigger();

    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(form->state().Settings.SatFileName, other);
    EXPECT_EQ(SettingsSatFile(), other);
    EXPECT_EQ(form->state().CurSat, 2);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Charlie");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "99");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);
    EXPECT_EQ(Shown(), (Results{"178.444", "43.712", "20249.4"}));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"72", "99"}));
}

TEST_F(SatelliteFileMenuTest, OpenOfAMissingFileSaysSoAndChangesNothing) {
    const std::string missing = Path("missing.sat");
    platform.queueFile(missing);
    test::Find<QAction>(*form, "mnuOpenSatFile")->trigger();
    ExpectOnlyMessage(missing + " Not Found", MsgButtons::Ok);
    ExpectUnchanged();

    // The name on disk in another letter case is no match either.
    WriteBytes(Path("case.sat"), kCurrent);
    platform.clearRecords();
    platform.queueFile(FileChoice{Path("case.sat"), "Case.sat"});
    test::Find<QAction>(*form, "mnuOpenSatFile")->trigger();
    ExpectOnlyMessage(Path("case.sat") + " Not Found", MsgButtons::Ok);
    ExpectUnchanged();
}

TEST_F(SatelliteFileMenuTest, OpenOfADamagedFileReportsItAndKeepsTheCurrentCatalogue) {
    const std::string damaged = Path("damaged.sat");
    WriteBytes(damaged, Record("Only", "5", "1") + "\"Half\"\r\n");
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Echo"));
    platform.queueFile(damaged);
    test::Find<QAction>(*form, "mnuOpenSatFile")->trigger();

    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "The file " + damaged + " was not found or is corrupt!" +
                                               kLineBreak + "No satellites will be loaded.");
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Critical);
    ExpectUnchanged();  // tarvo.sat stays current, named in tarvo.ini
    EXPECT_EQ(form->state().CurSat, 3);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Echo");
    EXPECT_EQ(ReadBytes(damaged), Record("Only", "5", "1") + "\"Half\"\r\n");
    EXPECT_TRUE(boundary.failures.empty());
}

// Opened from a file whose default satellite has no catalogue row, no row is current:
// Save Changes then refuses instead of writing over the row current before.
TEST_F(SatelliteFileMenuTest, OpenWhoseDefaultIsNotInTheCatalogueLeavesNoRowCurrent) {
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Echo"));
    ASSERT_EQ(form->state().CurSat, 3);
    const std::string other = Path("other.sat");
    const std::string bytes = Record("Gone", "88", "0") + Record("Bravo", "72", "0") +
                              Record("Charlie", "99", "0") + Record("Foxtrot", "130", "0");
    WriteBytes(other, bytes);
    platform.queueFile(other);
    test::Find<QAction>(*form, "mnuOpenSatFile")->trigger();
    EXPECT_EQ(form->state().CurSat, 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), Stored("Gone"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(Shown(), (Results{"", "", ""}));

    test::Find<ComboBox>(*form, "cboSatName")->setText("Gone");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("88");
    test::Find<QAction>(*form, "mnuSaveSatellite")->trigger();
    ExpectOnlyMessage("Choose a satellite from the list first", MsgButtons::Ok);
    EXPECT_EQ(ReadBytes(other), bytes);
}

TEST_F(SatelliteFileMenuTest, SaveAsWritesTheTableToANewFileAndMakesItCurrent) {
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Echo"));
    const Results before = Shown();
    const std::string copy = Path("copy.sat");
    platform.queueFile(copy);
    test::Find<QAction>(*form, "mnuSaveSatFileAs")->trigger();

    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(ReadBytes(copy), kCurrent);
    EXPECT_EQ(ReadBytes(folder.file("tarvo.sat")), kCurrent);
    EXPECT_EQ(form->state().Settings.SatFileName, copy);
    EXPECT_EQ(SettingsSatFile(), copy);
    // The default satellite is current again, and the results are its own: 101 W from
    // 40 N, 100 W is the worked example 181.556, 43.712, 20249.4 (Echo at 120 W gave
    // others).
    EXPECT_EQ(form->state().CurSat, 2);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Delta");
    EXPECT_NE(before, (Results{"181.556", "43.712", "20249.4"}));
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
}

TEST_F(SatelliteFileMenuTest, NewLeavesNoResultsOfTheSatelliteShownBefore) {
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Delta"));
    ASSERT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
    platform.queueFile(Path("fresh.sat"));
    test::Find<QAction>(*form, "mnuNewSatFile")->trigger();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    EXPECT_EQ(form->state().CurSat, 0);  // the boxes show no satellite
}

// Nothing read (the file was missing at start-up): the copy still reads back, as a
// blank default satellite and no catalogue.
TEST_F(SatelliteFileMenuTest, SaveAsOfATableWithoutRowsWritesAFileThatReadsBack) {
    form->ReadSatFile("missing.sat");
    ASSERT_TRUE(form->state().SatelliteTable.Empty());
    platform.clearRecords();
    platform.queueFile(Path("empty.sat"));
    test::Find<QAction>(*form, "mnuSaveSatFileAs")->trigger();

    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(ReadBytes(Path("empty.sat")), kBlank);
    const SatelliteFileRead read = ReadSatelliteFile(Path("empty.sat"));
    EXPECT_TRUE(read.ok) << read.failure;
    EXPECT_EQ(read.table.SatLast(), 0);
}

// tarvo.ini that may not be written: the chosen file does not become current, and the
// settings in memory are what the file holds.
TEST_F(SatelliteFileMenuTest, ASettingsFileThatCannotBeWrittenKeepsTheCurrentFile) {
    WriteBytes(Path("other.sat"), Record("Charlie", "99", "1") + Record("Charlie", "99", "1"));
    std::filesystem::permissions(folder.file("tarvo.ini"), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);
    const struct {
        const char* what;
        const char* command;  // the menu item
        std::string chosen;
    } cases[] = {
        {"New", "mnuNewSatFile", Path("fresh.sat")},
        {"Open", "mnuOpenSatFile", Path("other.sat")},
        {"Save As", "mnuSaveSatFileAs", Path("copy.sat")},
    };
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Echo"));
    const Results shown = Shown();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.clearRecords();
        platform.queueFile(c.chosen);
        test::Find<QAction>(*form, c.command)->trigger();
        ExpectOnlyMessage("The file tarvo.ini could not be written." + kLineBreak +
                              "Permission denied" + kLineBreak +
                              "tarvo.sat is still the current satellite file.",
                          MsgButtons::Ok);
        ExpectUnchanged();
        const std::optional<Settings> onDisk = ReadSettingsFile("tarvo.ini");
        ASSERT_TRUE(onDisk.has_value());
        EXPECT_EQ(SettingsFileText(form->state().Settings), SettingsFileText(*onDisk));
        EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Echo");
        EXPECT_EQ(Shown(), shown);
    }
}

TEST_F(SatelliteFileMenuTest, SaveAsOverAnExistingFileAsksFirst) {
    const std::string taken = Path("taken.sat");
    WriteBytes(taken, Record("Old", "5", "1"));
    platform.queueFile(taken);
    platform.queueAnswer(MsgAnswer::Cancel);
    test::Find<QAction>(*form, "mnuSaveSatFileAs")->trigger();
    ExpectOnlyMessage("You are about to overwite:" + kLineBreak + taken + kConfirm,
                      MsgButtons::OkCancel);
    EXPECT_EQ(ReadBytes(taken), Record("Old", "5", "1"));
    ExpectUnchanged();

    platform.queueFile(taken);
    platform.queueAnswer(MsgAnswer::Ok);
    test::Find<QAction>(*form, "mnuSaveSatFileAs")->trigger();
    EXPECT_EQ(ReadBytes(taken), kCurrent);
    EXPECT_EQ(SettingsSatFile(), taken);
}

TEST_F(SatelliteFileMenuTest, SaveAsOntoTheCurrentFileIsRefused) {
    // The current file is named without a folder: a file of that name anywhere counts.
    std::filesystem::create_directory(folder.file("elsewhere"));
    for (const std::string& path : {Path("tarvo.sat"), Path("elsewhere/tarvo.sat")}) {
        platform.clearRecords();
        platform.queueFile(path);
        test::Find<QAction>(*form, "mnuSaveSatFileAs")->trigger();
        ExpectOnlyMessage("You cannot copy the file on to itself!", MsgButtons::Ok);
        ExpectUnchanged();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("elsewhere/tarvo.sat")));
}

TEST_F(SatelliteFileMenuTest, FailedWritesLeaveTheCurrentFileCurrent) {
    // A folder in the chosen file's place cannot be written over.
    std::filesystem::create_directory(folder.file("folder.sat"));
    const std::string folderPath = Path("folder.sat");
    for (const char* command : {"mnuNewSatFile", "mnuSaveSatFileAs"}) {
        platform.clearRecords();
        platform.queueFile(folderPath);
        test::Find<QAction>(*form, command)->trigger();
        ExpectOnlyMessage(
            "The file " + folderPath + " could not be written." + kLineBreak + "Is a directory",
            MsgButtons::Ok);
        ExpectUnchanged();
        EXPECT_TRUE(std::filesystem::is_empty(folder.file("folder.sat")));
    }
}

TEST_F(SatelliteFileMenuTest, APathTheSettingsFileCannotHoldIsRefused) {
    const std::string broken = Path("two\nlines.sat");
    platform.queueFile(broken);
    test::Find<QAction>(*form, "mnuNewSatFile")->trigger();
    ExpectOnlyMessage(broken + kLineBreak +
                          "This name holds a line break, which the settings file cannot keep. "
                          "Please choose another file.",
                      MsgButtons::Ok);
    EXPECT_FALSE(std::filesystem::exists(broken));
    ExpectUnchanged();
}

}  // namespace
}  // namespace tarvo::testing
