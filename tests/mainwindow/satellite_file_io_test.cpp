#include <filesystem>
#include <string>
#include <vector>

#include "satellite_fixture.h"

namespace tarvo::testing {
namespace {

using SatelliteFileCommandsTest = SatelliteFormTest;

// A default satellite and three catalogue rows out of longitude order, one per line.
const std::string kCatalogue =
    "\"Default sat\",101,1\r\n"
    "\"Zeta\",99,0\r\n"
    "\"alpha\",72.5,1\r\n"
    "\"Mid\",101,0\r\n";

std::string FailureText(const std::string& fileName) {
    return "The file " + fileName + " was not found or is corrupt!\x0A\x0D" +
           "No satellites will be loaded.";
}

void ExpectReadFailure(const ScriptedPlatform& platform, const std::string& fileName) {
    ASSERT_EQ(platform.messages().size(), 1u);
    const ScriptedPlatform::Message& m = platform.lastMessage();
    EXPECT_EQ(m.text, FailureText(fileName));
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.title, "SNG Tarvo");
}

TEST_F(SatelliteFileCommandsTest, GoodFileReplacesTheTableAndFillsTheLists) {
    Load("good.sat", kCatalogue);

    const SatelliteTable& table = form->state().SatelliteTable;
    ASSERT_EQ(table.SatLast(), 3);
    // Row 0 stays first; the catalogue is put in order of longitude.
    EXPECT_EQ(RowNames(), (std::vector<std::string>{Stored("Default sat"), Stored("alpha"),
                                                    Stored("Zeta"), Stored("Mid")}));
    EXPECT_EQ(table.Row(0).SatLong, 101);
    EXPECT_EQ(table.Row(0).SatLook, 1);
    EXPECT_EQ(table.Row(1).SatLong, 72.5);
    EXPECT_EQ(table.Row(1).SatLook, 1);
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"72.5", "99", "101"}));
    // Alphabetical by default: capitals before small letters.
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Mid", "Zeta", "alpha"}));
    EXPECT_EQ(form->state().SatOrder, (std::vector<std::int16_t>{0, 3, 2, 1}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(form->state().CurSat, 0);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(SatelliteFileCommandsTest, EmptyNameChangesNothing) {
    Load("good.sat", kCatalogue);
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Zeta"));
    const std::vector<std::string> rows = RowNames();

    form->ReadSatFile("");

    EXPECT_EQ(RowNames(), rows);
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Mid", "Zeta", "alpha"}));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"72.5", "99", "101"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Zeta");
    EXPECT_EQ(form->state().CurSat, 2);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteFileCommandsTest, OneRecordGivesEmptyListsInEitherOrder) {
    Load("good.sat", kCatalogue);
    Load("one.sat", "\"Only\",55,1\r\n");

    EXPECT_EQ(form->state().SatelliteTable.SatLast(), 0);
    EXPECT_EQ(RowNames(), std::vector<std::string>{Stored("Only")});
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->count(), 0);

    test::WritableState(*form).Settings.SortAlpha = 0;
    form->ReadSatFile("one.sat");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->count(), 0);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(SatelliteFileCommandsTest, DamagedFileKeepsTheCompleteRecordsAndTheOldLists) {
    Load("good.sat", kCatalogue);
    test::Find<TextBox>(*form, "txtLongitude")->setText("100");
    test::Find<TextBox>(*form, "txtLatitude")->setText("40");
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Mid"));
    ASSERT_EQ(form->state().CurSat, 3);

    // The second record ends after its longitude.
    Load("bad.sat", "\"First\",101,1\r\n\"Second\",99\r\n");

    ExpectReadFailure(platform, "bad.sat");
    EXPECT_EQ(form->state().SatelliteTable.SatLast(), 0);
    EXPECT_EQ(RowNames(), std::vector<std::string>{Stored("First")});
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Mid", "Zeta", "alpha"}));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"72.5", "99", "101"}));
    // Row 3 is gone: the current satellite is the default one again.
    EXPECT_EQ(form->state().CurSat, 0);
    EXPECT_EQ(form->state().SatOrder, std::vector<std::int16_t>{0});

    // The old entries match no row now: choosing a name empties the position, and
    // with no position there is no result.
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Zeta"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(form->state().CurSat, 0);
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    // Choosing a position empties the name; the calculation still works from the
    // position (the 101 W satellite of the worked example).
    test::Find<ComboBox>(*form, "cboSatLong")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatLong"), "101"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(form->state().CurSat, 0);
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
    // The order buttons rebuild from the one row there is.
    ShowOrderOption();
    test::Find<OptionButton>(*form, "optArc")->userClick();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), Stored("First"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "101");
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteFileCommandsTest, MissingOrEmptyFileLeavesNoRowAtAll) {
    Load("good.sat", kCatalogue);
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "alpha"));
    ASSERT_EQ(form->state().CurSat, 1);

    form->ReadSatFile("missing.sat");
    ExpectReadFailure(platform, "missing.sat");
    EXPECT_TRUE(form->state().SatelliteTable.Empty());
    EXPECT_EQ(form->state().SatelliteTable.SatLast(), -1);
    EXPECT_EQ(form->FnCurrentSatellite(), nullptr);
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"72.5", "99", "101"}));

    platform.clearRecords();
    Load("empty.sat", "");
    ExpectReadFailure(platform, "empty.sat");
    EXPECT_TRUE(form->state().SatelliteTable.Empty());

    // Nothing reads the absent row: choosing, showing and reordering do nothing with it.
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "alpha"));
    test::Find<ComboBox>(*form, "cboSatLong")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatLong"), "99"));
    form->DisplaySatelliteData();
    form->SetListOption();
    ShowOrderOption();
    test::Find<OptionButton>(*form, "optArc")->userClick();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteFileCommandsTest, BlankLineAfterTheLastRecordIsDamage) {
    Load("trailing.sat", "\"A\",101,1\r\n\"B\",99,0\r\n\r\n");
    ExpectReadFailure(platform, "trailing.sat");
    EXPECT_EQ(RowNames(), (std::vector<std::string>{Stored("A"), Stored("B")}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->count(), 0);  // not rebuilt
}

TEST_F(SatelliteFileCommandsTest, WriteGoesToDiskThenRebuildsTheLists) {
    Load("good.sat", kCatalogue);
    SatelliteTable& table = test::WritableState(*form).SatelliteTable;
    // Zeta (row 2) moves to 50 W: written in row order, then listed first.
    table.SetRow(2, SatelliteRecord{"Zeta", 50, 1});

    EXPECT_TRUE(form->WriteSatFile("good.sat"));

    EXPECT_EQ(ReadBytes(folder.file("good.sat")),
              "\"Default sat              \"\r\n101\r\n1\r\n"
              "\"alpha                    \"\r\n72.5\r\n1\r\n"
              "\"Zeta                     \"\r\n50\r\n1\r\n"
              "\"Mid                      \"\r\n101\r\n0\r\n");
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"50", "72.5", "101"}));
    EXPECT_EQ(RowNames()[1], Stored("Zeta"));
    EXPECT_TRUE(platform.messages().empty());

    // With Updating raised the file is written and the lists stay as they are.
    table.SetRow(0, SatelliteRecord{"Zeta", 50, 1});
    test::WritableState(*form).Updating = -1;
    table.SetRow(3, SatelliteRecord{"Mid", 20, 0});
    EXPECT_TRUE(form->WriteSatFile("good.sat"));
    test::WritableState(*form).Updating = 0;
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"50", "72.5", "101"}));
    const std::string defaultRecord = "\"Zeta                     \"\r\n50\r\n1\r\n";
    EXPECT_EQ(ReadBytes(folder.file("good.sat")).substr(0, defaultRecord.size()), defaultRecord);
    EXPECT_EQ(RowNames()[3], Stored("Mid"));  // not sorted yet
}

TEST_F(SatelliteFileCommandsTest, FailedWriteIsReportedAndTheTableKeepsItsContents) {
    Load("good.sat", kCatalogue);
    WriteBytes(folder.file("plain"), "a file, not a folder");
    test::WritableState(*form).SatelliteTable.SetRow(3, SatelliteRecord{"Mid", 20, 0});

    EXPECT_FALSE(form->WriteSatFile("plain/tarvo.sat"));

    ASSERT_EQ(platform.messages().size(), 1u);
    const ScriptedPlatform::Message& m = platform.lastMessage();
    EXPECT_EQ(m.text, "The file plain/tarvo.sat could not be written.\x0A\x0DNot a directory");
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.title, "SNG Tarvo");
    EXPECT_EQ(ReadBytes(folder.file("plain")), "a file, not a folder");
    // The change stays in memory and the lists show it.
    EXPECT_EQ(RowNames()[1], Stored("Mid"));
    EXPECT_EQ(form->state().SatelliteTable.Row(1).SatLong, 20);
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"20", "72.5", "99"}));

    // A folder in the file's place stays as it was.
    platform.clearRecords();
    std::filesystem::create_directory(folder.file("taken.sat"));
    EXPECT_FALSE(form->WriteSatFile("taken.sat"));
    EXPECT_EQ(platform.lastMessage().text,
              "The file taken.sat could not be written.\x0A\x0DIs a directory");
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("taken.sat")));
    EXPECT_EQ(ReadBytes(folder.file("good.sat")), kCatalogue);
}

TEST_F(SatelliteFileCommandsTest, DuplicateMessage) {
    form->Duplicate();
    ASSERT_EQ(platform.messages().size(), 1u);
    const ScriptedPlatform::Message& m = platform.lastMessage();
    EXPECT_EQ(m.text, "Duplicate names not allowed!");
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::None);
    EXPECT_EQ(m.title, "SNG Tarvo");
}

}  // namespace
}  // namespace tarvo::testing
