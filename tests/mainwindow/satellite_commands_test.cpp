#include <QAction>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/updating_guard.h"
#include "satellite_records.h"

namespace tarvo::testing {
namespace {

// A default satellite (a copy of Bravo) and five catalogue rows in longitude order.
const std::string kFive = Record("Bravo", "72", "1") + Record("Alpha", "30", "0") +
                          Record("Bravo", "72", "1") + Record("Charlie", "99", "0") +
                          Record("Delta", "101", "1") + Record("Echo", "120", "0");

const std::string kBravo = Record("Bravo", "72", "1");

class SatelliteCommandsTest : public SatelliteFormTest {
  protected:
    void SetUp() override {
        Load("tarvo.sat", kFive);
        // 40 N, 100 W: the satellites at 99 and 101 W give the worked look angles.
        test::Find<TextBox>(*form, "txtLongitude")->setText("100");
        test::Find<TextBox>(*form, "txtLatitude")->setText("40");
    }

    std::string File() const { return ReadBytes(folder.file("tarvo.sat")); }

    void Choose(const std::string& name) {
        test::Find<ComboBox>(*form, "cboSatName")
            ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), name));
    }

    // The satellite on screen, as the user types it.
    // The box is set as the program's own write, so that no handler of its own acts.
    void Type(const std::string& name, const std::string& satLong, int look) {
        test::Find<ComboBox>(*form, "cboSatName")->setText(name);
        test::Find<ComboBox>(*form, "cboSatLong")->setText(satLong);
        UpdatingGuard updating(test::WritableState(*form).Updating);
        test::Find<CheckBox>(*form, "chkLookList")->setValue(look);
    }

    void ExpectOnlyMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) {
        ASSERT_EQ(platform.messages().size(), 1u) << text;
        const ScriptedPlatform::Message& m = platform.lastMessage();
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.buttons, buttons);
        EXPECT_EQ(m.icon, icon);
        EXPECT_EQ(m.title, "SNG Tarvo");
    }
};

TEST_F(SatelliteCommandsTest, AddWritesTheNewRowLastThenTheNextRewriteSortsIt) {
    Type("  Foxtrot ", "101", 1);
    test::Find<QAction>(*form, "mnuAddSatellite")->trigger();

    EXPECT_EQ(File(), kFive + Record("Foxtrot", "101", "1"));
    EXPECT_TRUE(platform.messages().empty());
    // Found again by name in the rebuilt lists: after Delta, its equal in longitude.
    EXPECT_EQ(form->state().CurSat, 5);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Foxtrot");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "101");
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"30", "72", "99", "101", "101", "120"}));
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));

    // Set Default rewrites the table in its new order.
    test::Find<QAction>(*form, "mnuSatelliteDefault")->trigger();
    EXPECT_EQ(File(), Record("Foxtrot", "101", "1") + Record("Alpha", "30", "0") +
                          Record("Bravo", "72", "1") + Record("Charlie", "99", "0") +
                          Record("Delta", "101", "1") + Record("Foxtrot", "101", "1") +
                          Record("Echo", "120", "0"));
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteCommandsTest, ListsAreRefilledAlsoWhileUpdatingIsRaised) {
    // As after typing a new location name: WriteSatFile leaves the lists alone then.
    Type("Foxtrot", "10", 0);
    test::WritableState(*form).Updating = -1;
    test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"}));
    EXPECT_EQ(form->state().CurSat, 1);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "10");
}

TEST_F(SatelliteCommandsTest, AddAcceptsCaseTwinsTheDefaultsNameAnd25Characters) {
    test::WritableState(*form).SatelliteTable.SetRow(0, {"Golf", 5, 0});  // a default in no row
    const std::string name25 = "Twenty-five characters ok";
    ASSERT_EQ(name25.size(), 25u);
    for (const std::string& name : {std::string("alpha"), std::string("Golf"), name25}) {
        Type(name, "10", 0);
        test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
        EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), name);
    }
    EXPECT_EQ(form->state().SatelliteTable.SatLast(), 8);
    EXPECT_TRUE(platform.messages().empty());
    // Each write puts the new row last; the rebuild after it sorts it into place.
    EXPECT_EQ(File(), Record("Golf", "5", "0") + Record("alpha", "10", "0") +
                          Record("Golf", "10", "0") + kFive.substr(kBravo.size()) +
                          Record(name25, "10", "0"));
}

TEST_F(SatelliteCommandsTest, RefusedNamesChangeNothing) {
    struct Case {
        std::string name;
        std::string message;
        MsgIcon icon;
    };
    const Case cases[] = {
        {" Twenty-four characters!! ", "Satellite name cannot exceed 25 characters",
         MsgIcon::Exclamation},
        {" Charlie ", "Duplicate names not allowed!", MsgIcon::None},
        {"Sat \"7\"", "Satellite name cannot contain a double quote (\")", MsgIcon::Exclamation},
    };
    for (const Case& c : cases) {
        platform.clearRecords();
        Type(c.name, "50", 1);
        test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
        ExpectOnlyMessage(c.message, MsgButtons::Ok, c.icon);
        EXPECT_EQ(form->state().SatelliteTable.SatLast(), 5);
        EXPECT_EQ(File(), kFive);
    }
    // Save Changes refuses the long and the quoted name before asking anything.
    Choose("Alpha");
    for (const Case& c : {cases[0], cases[2]}) {
        platform.clearRecords();
        Type(c.name, "50", 1);
        test::Find<QAction>(*form, "mnuSaveSatellite")->trigger();
        ExpectOnlyMessage(c.message, MsgButtons::Ok, c.icon);
    }
    // Set Default has no length limit (the name is cut), but refuses the quote.
    platform.clearRecords();
    Type("Sat \"7\"", "50", 1);
    test::Find<QAction>(*form, "mnuSatelliteDefault")->trigger();
    ExpectOnlyMessage(cases[2].message, MsgButtons::Ok, MsgIcon::Exclamation);
    EXPECT_EQ(File(), kFive);
    EXPECT_EQ(form->state().SatelliteTable.Row(0).SatName, Stored("Bravo"));
}

TEST_F(SatelliteCommandsTest, SaveChangesOfTheDefaultRewritesRowZeroAsTypedAndTheRowTrimmed) {
    Choose("Bravo");
    ASSERT_EQ(form->state().CurSat, 2);
    Type(" Bravo 2", "98.5", 0);
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveSatellite")->trigger();

    ExpectOnlyMessage("You are about to make changes in your default satellite." + kConfirm,
                      MsgButtons::YesNo, MsgIcon::None);
    EXPECT_EQ(File(), Record(" Bravo 2", "98.5", "0") + Record("Alpha", "30", "0") +
                          Record("Bravo 2", "98.5", "0") + Record("Charlie", "99", "0") +
                          Record("Delta", "101", "1") + Record("Echo", "120", "0"));
    EXPECT_EQ(form->state().CurSat, 2);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Bravo 2");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "98.5");
}

TEST_F(SatelliteCommandsTest, SaveChangesOfTheDefaultNeedsANumberAsAWhole) {
    Choose("Bravo");
    for (const char* position : {"72 30", "", "72W"}) {
        platform.clearRecords();
        Type("Bravo", position, 1);
        test::Find<QAction>(*form, "mnuSaveSatellite")->trigger();
        ExpectOnlyMessage("West Longitude must be a number", MsgButtons::Ok, MsgIcon::Exclamation);
        EXPECT_EQ(File(), kFive);
        EXPECT_EQ(form->state().SatelliteTable.Row(0).SatLong, 72);
        EXPECT_EQ(form->state().SatelliteTable.Row(2).SatLong, 72);
    }
    EXPECT_EQ(platform.pendingCount(), 0u);
}

TEST_F(SatelliteCommandsTest, SaveChangesOfAnotherSatelliteAsksAndMayMoveIt) {
    Choose("Charlie");
    Type("Charlie", "130", 1);
    platform.queueAnswer(MsgAnswer::No);
    test::Find<QAction>(*form, "mnuSaveSatellite")->trigger();
    ExpectOnlyMessage("You are about to make permanent changes in Charlie." + kConfirm,
                      MsgButtons::YesNo, MsgIcon::None);
    EXPECT_EQ(File(), kFive);

    // No duplicate check: it may take another satellite's name. Written in row order,
    // then listed (and found) in its new place.
    platform.queueAnswer(MsgAnswer::Yes);
    Type("Echo", "130", 1);
    test::Find<QAction>(*form, "mnuSaveSatellite")->trigger();
    EXPECT_EQ(File(), Record("Bravo", "72", "1") + Record("Alpha", "30", "0") +
                          Record("Bravo", "72", "1") + Record("Echo", "130", "1") +
                          Record("Delta", "101", "1") + Record("Echo", "120", "0"));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"30", "72", "101", "120", "130"}));
    // The name search finds the first Echo, the one at 120.
    EXPECT_EQ(form->state().CurSat, 4);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "120");
    EXPECT_EQ(form->state().SatelliteTable.Row(0).SatName, Stored("Bravo"));
}

struct DeleteCase {
    std::string chosen;
    std::string question;
    std::string fileAfter;
    int curSat;
    std::string nameShown;  // as stored: 25 characters, then found and trimmed
    std::optional<Results> results;
};

TEST_F(SatelliteCommandsTest, DeleteClosesTheGapAndShowsTheRowBefore) {
    const DeleteCase cases[] = {
        // Row 3 of 5: rows 4 and 5 move up, row 2 becomes current.
        {"Charlie", "You are about to delete Charlie!",
         Record("Bravo", "72", "1") + Record("Alpha", "30", "0") + Record("Bravo", "72", "1") +
             Record("Delta", "101", "1") + Record("Echo", "120", "0"),
         2, "Bravo", std::nullopt},
        // Row 1 stays current.
        {"Alpha", "You are about to delete Alpha!",
         Record("Bravo", "72", "1") + Record("Bravo", "72", "1") + Record("Charlie", "99", "0") +
             Record("Delta", "101", "1") + Record("Echo", "120", "0"),
         1, "Bravo", std::nullopt},
        // The default: row 0 emptied, the deletion goes on.
        {"Bravo", "You are about to delete your default satellite.",
         Record("", "0", "0") + Record("Alpha", "30", "0") + Record("Charlie", "99", "0") +
             Record("Delta", "101", "1") + Record("Echo", "120", "0"),
         1, "Alpha", std::nullopt},
        {"Delta", "You are about to delete Delta!",
         Record("Bravo", "72", "1") + Record("Alpha", "30", "0") + Record("Bravo", "72", "1") +
             Record("Charlie", "99", "0") + Record("Echo", "120", "0"),
         3, "Charlie", Results{"178.444", "43.712", "20249.4"}},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.chosen);
        Load("tarvo.sat", kFive);
        platform.clearRecords();
        Choose(c.chosen);
        platform.queueAnswer(MsgAnswer::Yes);
        test::Find<QAction>(*form, "mnuDeleteSatellite")->trigger();
        ExpectOnlyMessage(c.question + kConfirm, MsgButtons::YesNo, MsgIcon::None);
        EXPECT_EQ(File(), c.fileAfter);
        EXPECT_EQ(form->state().CurSat, c.curSat);
        EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), c.nameShown);
        if (c.results) {
            EXPECT_EQ(Shown(), *c.results);
        }
    }
    // No keeps everything.
    Load("tarvo.sat", kFive);
    Choose("Echo");
    platform.queueAnswer(MsgAnswer::No);
    test::Find<QAction>(*form, "mnuDeleteSatellite")->trigger();
    EXPECT_EQ(File(), kFive);
    EXPECT_EQ(form->state().SatelliteTable.SatLast(), 5);
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteCommandsTest, DeletingTheLastCatalogueRowLeavesNothingShown) {
    Load("tarvo.sat", Record("Def", "99", "0") + Record("Only", "99", "1"));
    Choose("Only");
    ASSERT_EQ(Shown(), (Results{"178.444", "43.712", "20249.4"}));
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuDeleteSatellite")->trigger();

    EXPECT_EQ(File(), Record("Def", "99", "0"));
    EXPECT_EQ(form->state().CurSat, 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 0);
    EXPECT_EQ(Shown(), (Results{"", "", ""}));

    // With no current row, neither Save Changes nor Delete does anything but say so.
    for (const char* command : {"mnuSaveSatellite", "mnuDeleteSatellite"}) {
        platform.clearRecords();
        test::Find<QAction>(*form, command)->trigger();
        ExpectOnlyMessage("Choose a satellite from the list first", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        EXPECT_EQ(File(), Record("Def", "99", "0"));
    }
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteCommandsTest, SaveAndDeleteNeedACurrentCatalogueRow) {
    // Nothing chosen since the file was read (CurSat 0), then a row beyond the table.
    for (const std::int16_t curSat : {std::int16_t{0}, std::int16_t{6}}) {
        test::WritableState(*form).CurSat = curSat;
        for (const char* command : {"mnuSaveSatellite", "mnuDeleteSatellite"}) {
            platform.clearRecords();
            Type("Bravo", "72", 1);
            test::Find<QAction>(*form, command)->trigger();
            ExpectOnlyMessage("Choose a satellite from the list first", MsgButtons::Ok,
                              MsgIcon::Exclamation);
        }
    }
    EXPECT_EQ(File(), kFive);
    EXPECT_EQ(form->state().SatelliteTable.Row(0).SatName, Stored("Bravo"));
}

TEST_F(SatelliteCommandsTest, SetDefaultTakesTheControlsAndATickOnly) {
    Choose("Delta");
    Type("Hotel", "33.25", 2);  // grayed
    test::Find<QAction>(*form, "mnuSatelliteDefault")->trigger();

    ExpectOnlyMessage("Hotel is now your default satellite.", MsgButtons::Ok, MsgIcon::None);
    EXPECT_EQ(File(), Record("Hotel", "33.25", "0") + kFive.substr(kBravo.size()));
    // Neither the lists nor the current row change.
    EXPECT_EQ(form->state().CurSat, 4);
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Alpha", "Bravo", "Charlie", "Delta", "Echo"}));
    EXPECT_EQ(form->state().Updating, 0);

    platform.clearRecords();
    Type("A name longer than twenty-five", "abc", 1);
    test::Find<QAction>(*form, "mnuSatelliteDefault")->trigger();
    EXPECT_EQ(File(), Record("A name longer than twenty", "0", "1") + kFive.substr(kBravo.size()));
    ExpectOnlyMessage("A name longer than twenty is now your default satellite.", MsgButtons::Ok,
                      MsgIcon::None);
}

TEST_F(SatelliteCommandsTest, AddToAFullCatalogueIsRefused) {
    SatelliteTable& table = test::WritableState(*form).SatelliteTable;
    while (table.SatLast() < 32766) {
        table.Append({"Sat", 1, 0});
    }
    Type("One too many", "1", 0);
    test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
    ExpectOnlyMessage("The satellite file is full: it cannot hold more than 32766 satellites",
                      MsgButtons::Ok, MsgIcon::Exclamation);
    EXPECT_EQ(table.SatLast(), 32766);
    EXPECT_EQ(File(), kFive);
}

TEST_F(SatelliteCommandsTest, FailedWriteIsReportedAndNoSuccessShown) {
    std::filesystem::remove(folder.file("tarvo.sat"));
    std::filesystem::create_directory(folder.file("tarvo.sat"));
    Type("India", "20", 0);
    test::Find<QAction>(*form, "mnuSatelliteDefault")->trigger();
    ExpectOnlyMessage("The file tarvo.sat could not be written.\x0A\x0DIs a directory",
                      MsgButtons::Ok, MsgIcon::Exclamation);
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("tarvo.sat")));
}

}  // namespace
}  // namespace tarvo::testing
