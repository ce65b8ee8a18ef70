// A satellite file that cannot be read whole: the part before the damage is shown, and
// no command writes the file back from that part, so that nothing after the damage is
// lost; the crew can keep what was read under another name.

#include <QAction>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/settings_file.h"
#include "mainwindow/updating_guard.h"
#include "satellite_records.h"

namespace tarvo::testing {
namespace {

// Rows 0 to 2 read; record 3 has a mark too large for its 16-bit field, and two
// records follow it.
const std::string kDamaged = Record("Bravo", "72", "1") + Record("Alpha", "30", "0") +
                             Record("Bravo", "72", "1") + Record("Charlie", "99", "99999") +
                             Record("Delta", "101", "1") + Record("Echo", "120", "0");

// What the reader took: the three records before the damage.
const std::string kReadPart =
    Record("Bravo", "72", "1") + Record("Alpha", "30", "0") + Record("Bravo", "72", "1");

const std::string kGood = Record("Kilo", "50", "0") + Record("Kilo", "50", "0");

const std::string kRefusal =
    "The satellite file tarvo.sat could not be read completely and was left unchanged.";

class DamagedSatelliteFileTest : public SatelliteFormTest {
  protected:
    void StartWith(const std::string& satelliteFile) {
        WriteSettingsFile(DefaultSettings(), "tarvo.ini");  // names tarvo.sat
        WriteBytes(folder.file("tarvo.sat"), satelliteFile);
        form->Form_Load();
    }

    // Every command that rewrites the current satellite file. None is to ask anything:
    // a question left unscripted would be answered with its first button, Yes.
    struct Command {
        const char* name;
        std::function<void()> run;
    };
    std::vector<Command> Rewriters() {
        return {
            {"Add", [this] { test::Find<QAction>(*form, "mnuAddSatellite")->trigger(); }},
            {"Save Changes", [this] { test::Find<QAction>(*form, "mnuSaveSatellite")->trigger(); }},
            {"Delete", [this] { test::Find<QAction>(*form, "mnuDeleteSatellite")->trigger(); }},
            {"Set Default",
             [this] { test::Find<QAction>(*form, "mnuSatelliteDefault")->trigger(); }},
            {"look-list tick", [this] { test::Find<CheckBox>(*form, "chkLookList")->userClick(); }},
        };
    }

    std::string SatelliteFile() const { return ReadBytes(folder.file("tarvo.sat")); }
};

TEST_F(DamagedSatelliteFileTest, AtStartUpNoCommandRewritesTheFileAndSaveAsKeepsThePartRead) {
    StartWith(kDamaged);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Critical);
    EXPECT_EQ(form->state().SatelliteTable.SatLast(), 2);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(),
              Stored("Bravo"));  // the default, as read

    for (const Command& command : Rewriters()) {
        SCOPED_TRACE(command.name);
        platform.clearRecords();
        test::Find<ComboBox>(*form, "cboSatName")->setText("Bravo");
        test::Find<ComboBox>(*form, "cboSatLong")->setText("72");
        const int box = test::Find<CheckBox>(*form, "chkLookList")->value();
        command.run();
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_EQ(platform.lastMessage().text, kRefusal);
        EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
        EXPECT_EQ(SatelliteFile(), kDamaged);
        EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(),
                  box);  // a refused tick is taken back
    }

    // Save As keeps what was read, complete, under another name, which then takes changes.
    platform.clearRecords();
    const std::string copy = folder.file("kept.sat").string();
    platform.queueFile(copy);
    test::Find<QAction>(*form, "mnuSaveSatFileAs")->trigger();
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(ReadBytes(copy), kReadPart);
    test::Find<ComboBox>(*form, "cboSatName")->setText("Foxtrot");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("140");
    {
        UpdatingGuard updating(test::WritableState(*form).Updating);
        test::Find<CheckBox>(*form, "chkLookList")->setValue(0);
    }
    test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
    EXPECT_EQ(ReadBytes(copy), kReadPart + Record("Foxtrot", "140", "0"));
    EXPECT_EQ(SatelliteFile(), kDamaged);
}

TEST_F(DamagedSatelliteFileTest, OpenOfTheDamagedFileLeavesTheCurrentOneCurrent) {
    WriteBytes(folder.file("damaged.sat"), kDamaged);
    StartWith(kGood);
    ASSERT_TRUE(platform.messages().empty());
    const std::string settings = ReadBytes(folder.file("tarvo.ini"));

    platform.queueFile(folder.file("damaged.sat").string());
    test::Find<QAction>(*form, "mnuOpenSatFile")->trigger();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Critical);
    EXPECT_EQ(form->state().Settings.SatFileName, "tarvo.sat");
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), settings);
    EXPECT_EQ(RowNames(), (std::vector<std::string>{Stored("Kilo"), Stored("Kilo")}));

    // The commands work on the file still current; the damaged one is never touched.
    test::Find<ComboBox>(*form, "cboSatName")->setText("Lima");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("60");
    test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
    EXPECT_EQ(SatelliteFile(), kGood + Record("Lima", "60", "0"));
    EXPECT_EQ(ReadBytes(folder.file("damaged.sat")), kDamaged);
}

// New still works on a damaged current file: the new file takes the changes from then
// on, and the damaged one keeps every byte.
TEST_F(DamagedSatelliteFileTest, NewAfterADamagedStartTakesTheChangesFromThenOn) {
    StartWith(kDamaged);
    platform.clearRecords();
    const std::string fresh = folder.file("fresh.sat").string();
    platform.queueFile(fresh);
    test::Find<QAction>(*form, "mnuNewSatFile")->trigger();
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(form->state().Settings.SatFileName, fresh);

    test::Find<ComboBox>(*form, "cboSatName")->setText("Lima");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("60");
    test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
    EXPECT_TRUE(platform.messages().empty());
    // The two blank records New writes, then the new satellite.
    EXPECT_EQ(ReadBytes(fresh),
              Record("", "0", "0") + Record("", "0", "0") + Record("Lima", "60", "0"));
    EXPECT_EQ(SatelliteFile(), kDamaged);
}

// A file that is not there has nothing to lose: the first Add creates it.
TEST_F(DamagedSatelliteFileTest, AMissingFileIsWrittenByTheFirstAdd) {
    WriteSettingsFile(DefaultSettings(), "tarvo.ini");
    form->Form_Load();
    platform.clearRecords();
    test::Find<ComboBox>(*form, "cboSatName")->setText("Lima");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("60");
    test::Find<QAction>(*form, "mnuAddSatellite")->trigger();
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(SatelliteFile(), Record("", "0", "0") + Record("Lima", "60", "0"));
}

}  // namespace
}  // namespace tarvo::testing
