#include <QAction>
#include <QPushButton>
#include <filesystem>
#include <string>
#include <vector>

#include "disk_files.h"
#include "file_size_limit.h"
#include "location_fixture.h"

namespace tarvo::testing {
namespace {

namespace fs = std::filesystem;

const std::string kConfirm = "\n\rDo you really want to do that?";

class LocationFileCommandsTest : public LocationFixture {
  protected:
    // "sites.loc" current, holding Depot; the list shows it chosen.
    void SetUp() override {
        Open(sites);
        Choose("Depot");
    }

    std::string Path(const std::string& name) const { return folder.file(name).string(); }

    // Everything as it was before the command: the same file current and named, in
    // memory and in tarvo.ini, and still the one that Add writes to.
    void ExpectSitesStillCurrent() {
        EXPECT_EQ(form->state().Settings.LocFileName, "sites.loc");
        if (fs::is_regular_file(folder.file("tarvo.ini"))) {
            EXPECT_EQ(IniOnDisk().LocFileName, "sites.loc");
        }
        EXPECT_EQ(Entries(), std::vector<std::string>{"Depot"});
        Type("Pier", "51", "2");
        test::Find<QAction>(*form, "mnuAddLocation")->trigger();
        EXPECT_EQ(FileBytes("sites.loc"), LocationFileBytes({sites[0], Loc("Pier", 51, 2)}));
    }

    const std::vector<LocationRecord> sites = {Loc("Depot", 52.25, 1.5)};
    const std::vector<LocationRecord> fleet = {Loc("Yard", 40, 100), Loc("Quay", 50, 1)};
};

TEST_F(LocationFileCommandsTest, NewOnAnExistingFileTakesItOver) {
    WriteBytes(folder.file("fleet.loc"), LocationFileBytes(fleet));
    platform.queueFile(Path("fleet.loc"));
    platform.queueAnswer(MsgAnswer::Cancel);
    test::Find<QAction>(*form, "mnuNewLocFile")->trigger();
    EXPECT_EQ(form->state().Settings.LocFileName, "sites.loc");
    EXPECT_EQ(Entries(), std::vector<std::string>{"Depot"});

    platform.queueFile(Path("fleet.loc"));
    platform.queueAnswer(MsgAnswer::Ok);
    test::Find<QAction>(*form, "mnuNewLocFile")->trigger();
    ASSERT_EQ(platform.messages().size(), 2u);
    for (const auto& message : platform.messages()) {
        EXPECT_EQ(message.text, Path("fleet.loc") +
                                    " already exists.\n\rThis operation will append the "
                                    "existing file." +
                                    kConfirm);
        EXPECT_EQ(message.buttons, MsgButtons::OkCancel);
        EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    }
    // The file's records stay; its last record is chosen and shown.
    EXPECT_EQ(FileBytes("fleet.loc"), LocationFileBytes(fleet));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Quay", "Yard"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Quay");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "50");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "1");
    EXPECT_EQ(form->state().LocIndex, 2);
    EXPECT_EQ(form->state().Settings.LocFileName, Path("fleet.loc"));
    EXPECT_EQ(IniOnDisk().LocFileName, Path("fleet.loc"));
    EXPECT_EQ(OpenDescriptorsOf(folder.file("sites.loc")), 0);
    EXPECT_EQ(FileBytes("sites.loc"), LocationFileBytes(sites));
    ExpectAllScripted();
}

// A newly current file whose last records are deleted shows its last live record; one
// with no live record shows as an empty file does.
TEST_F(LocationFileCommandsTest, NewOrOpenShowsTheLastLiveRecord) {
    const LocationRecord gone = DeletedLocationRecord();
    const struct {
        std::vector<LocationRecord> records;
        std::vector<std::string> entries;
        std::string name, latitude;
        int index;
    } cases[] = {
        {{fleet[0], fleet[1], gone, gone}, {"Quay", "Yard"}, "Quay", "50", 2},
        {{gone, gone}, {}, "", "0", 0},
        {{}, {}, "", "0", 0},
    };
    for (const bool open : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.records.size()) + (open ? " open" : " new"));
            WriteBytes(folder.file("fleet.loc"), LocationFileBytes(c.records));
            platform.queueFile(Path("fleet.loc"));
            if (!open) {
                platform.queueAnswer(MsgAnswer::Ok);  // the file exists, even when empty
            }
            (open ? test::Find<QAction>(*form, "mnuOpenLocFile")
                  : test::Find<QAction>(*form, "mnuNewLocFile"))
                ->trigger();
            EXPECT_EQ(Entries(), c.entries);
            EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), c.name);
            EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), c.latitude);
            EXPECT_EQ(form->state().LocIndex, c.index);
            EXPECT_EQ(form->state().LocCount, static_cast<int>(c.records.size()));
            EXPECT_EQ(FileBytes("fleet.loc"), LocationFileBytes(c.records));
            // Back to the first file for the next case.
            Open(sites);
        }
    }
    EXPECT_EQ(platform.messages().size(), 3u);  // the questions of New
    ExpectAllScripted();
}

TEST_F(LocationFileCommandsTest, NewOnAMissingNameStartsAnEmptyFile) {
    platform.queueFile(Path("new.loc"));
    test::Find<QAction>(*form, "mnuNewLocFile")->trigger();
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(fs::exists(folder.file("new.loc")));
    EXPECT_EQ(fs::file_size(folder.file("new.loc")), 0u);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "0");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "0");
    EXPECT_EQ(form->state().LocCount, 0);
    EXPECT_EQ(IniOnDisk().LocFileName, Path("new.loc"));

    // Locations now go to the new file.
    Type("Pier", "51", "2");
    test::Find<QAction>(*form, "mnuAddLocation")->trigger();
    EXPECT_EQ(FileBytes("new.loc"), LocationFileBytes({Loc("Pier", 51, 2)}));
    EXPECT_EQ(FileBytes("sites.loc"), LocationFileBytes(sites));
    ExpectAllScripted();
}

TEST_F(LocationFileCommandsTest, OpenOfAMissingFileChangesNothing) {
    for (const MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
        platform.queueFile(Path("fleet.loc"));
        platform.queueAnswer(answer);
        test::Find<QAction>(*form, "mnuOpenLocFile")->trigger();
        EXPECT_EQ(platform.lastMessage().text, "Cannot find: " + Path("fleet.loc"));
        EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::OkCancel);
        EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
    }
    EXPECT_FALSE(fs::exists(folder.file("fleet.loc")));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Depot");
    ExpectAllScripted();
    ExpectSitesStillCurrent();
}

TEST_F(LocationFileCommandsTest, SaveAsOntoItselfIsRefused) {
    fs::create_directory(folder.file("other"));
    // The bare name stands for a file of that name in any folder.
    const std::string choices[] = {Path("other/sites.loc"), "sites.loc"};
    for (const std::string& choice : choices) {
        platform.queueFile(choice);
        test::Find<QAction>(*form, "mnuSaveLocFileAs")->trigger();
        EXPECT_EQ(platform.lastMessage().text, "You cannot copy the file on to itself!");
        EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::Ok);
    }
    // The same full path.
    test::WritableState(*form).Settings.LocFileName = Path("sites.loc");
    platform.queueFile(Path("sites.loc"));
    test::Find<QAction>(*form, "mnuSaveLocFileAs")->trigger();
    EXPECT_EQ(platform.messages().size(), 3u);
    EXPECT_EQ(platform.lastMessage().text, "You cannot copy the file on to itself!");
    EXPECT_FALSE(fs::exists(folder.file("other/sites.loc")));
    ExpectAllScripted();
}

TEST_F(LocationFileCommandsTest, SaveAsOverwritesAndTheCopyBecomesCurrent) {
    WriteBytes(folder.file("copy.loc"), "old contents");
    platform.queueFile(Path("copy.loc"));
    platform.queueAnswer(MsgAnswer::Cancel);
    test::Find<QAction>(*form, "mnuSaveLocFileAs")->trigger();
    EXPECT_EQ(FileBytes("copy.loc"), "old contents");

    platform.queueFile(Path("copy.loc"));
    platform.queueAnswer(MsgAnswer::Ok);
    test::Find<QAction>(*form, "mnuSaveLocFileAs")->trigger();
    EXPECT_EQ(platform.lastMessage().text,
              Path("copy.loc") +
                  " already exists.\n\rThis operation will overwite the existing file." + kConfirm);
    EXPECT_EQ(FileBytes("copy.loc"), LocationFileBytes(sites));
    EXPECT_EQ(form->state().Settings.LocFileName, Path("copy.loc"));
    EXPECT_EQ(IniOnDisk().LocFileName, Path("copy.loc"));
    // The location shown stays; changes now go to the copy only.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Depot");
    EXPECT_EQ(form->state().LocIndex, 1);
    test::Find<TextBox>(*form, "txtLatitude")->setText("52.5");
    test::Find<ComboBox>(*form, "cboLocations")->setText("Depot");
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();
    EXPECT_EQ(FileBytes("copy.loc"), LocationFileBytes({Loc("Depot", 52.5, 1.5)}));
    EXPECT_EQ(FileBytes("sites.loc"), LocationFileBytes(sites));
    EXPECT_EQ(OpenDescriptorsOf(folder.file("sites.loc")), 0);
    ExpectAllScripted();
}

// A file step that fails after the questions leaves the current file open and current.
TEST_F(LocationFileCommandsTest, FailedFileStepsChangeNothing) {
    WriteBytes(folder.file("copy.loc"), "old contents");
    // Too many records for a location file: it exists but cannot be opened.
    WriteBytes(folder.file("huge.loc"), "");
    fs::resize_file(folder.file("huge.loc"), 32768 * 66);
    const std::string stillCurrent = "\n\rsites.loc is still the current location file.";

    platform.queueFile(Path("nowhere/copy.loc"));
    test::Find<QAction>(*form, "mnuSaveLocFileAs")->trigger();
    EXPECT_EQ(platform.lastMessage().text, "The file " + Path("nowhere/copy.loc") +
                                               " could not be written.\n\rNo such file or "
                                               "directory" +
                                               stillCurrent);

    // The copy fails part way: the file it would replace stays whole.
    platform.queueFile(Path("copy.loc"));
    platform.queueAnswer(MsgAnswer::Ok);
    {
        FileSizeLimit limit(40);
        test::Find<QAction>(*form, "mnuSaveLocFileAs")->trigger();
    }
    EXPECT_EQ(
        platform.lastMessage().text,
        "The file " + Path("copy.loc") + " could not be written.\n\rFile too large" + stillCurrent);
    EXPECT_EQ(FileBytes("copy.loc"), "old contents");

    platform.queueFile(Path("huge.loc"));
    test::Find<QAction>(*form, "mnuOpenLocFile")->trigger();
    EXPECT_EQ(platform.lastMessage().text, "The location file " + Path("huge.loc") +
                                               " could not be opened.\n\rFile too large" +
                                               stillCurrent);

    // tarvo.ini cannot be rewritten (a folder stands in its place).
    fs::create_directory(folder.file("tarvo.ini"));
    platform.queueFile(Path("new.loc"));
    test::Find<QAction>(*form, "mnuNewLocFile")->trigger();
    EXPECT_EQ(platform.lastMessage().text,
              "The file tarvo.ini could not be written.\n\rIs a directory");

    EXPECT_EQ(Texts().size(), 5u) << ::testing::PrintToString(Texts());
    EXPECT_EQ(
        FolderNames(folder.path()),
        (std::vector<std::string>{"copy.loc", "huge.loc", "new.loc", "sites.loc", "tarvo.ini"}));
    EXPECT_EQ(OpenDescriptorsOf(folder.file("new.loc")), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Depot");
    EXPECT_EQ(form->state().LocIndex, 1);
    ExpectAllScripted();
    ExpectSitesStillCurrent();
}

}  // namespace
}  // namespace tarvo::testing
