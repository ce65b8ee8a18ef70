#include <QAction>
#include <QPushButton>
#include <filesystem>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "location_fixture.h"

namespace tarvo::testing {
namespace {

const std::string kConfirm = "\n\rDo you really want to do that?";

class LocationCommandsTest : public LocationFixture {};

TEST_F(LocationCommandsTest, AddToAnEmptyFileStoresTheConvertedPosition) {
    OpenBytes("");
    // Degrees, minutes and seconds: the calculation turns them into decimal degrees first.
    Type("Ridge road", "40 30 0", "100 15 0");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    test::Find<QPushButton>(*form, "cmdSaveLocation")->click();

    EXPECT_EQ(FileBytes(), LocationFileBytes({Loc("Ridge road", 40.5, 100.25)}));
    EXPECT_EQ(form->state().LocCount, 1);
    EXPECT_EQ(Entries(), std::vector<std::string>{"Ridge road"});
    // The new location is chosen and shown, with its look angles.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Ridge road");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40.5");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100.25");
    EXPECT_NE(test::Find<TextBox>(*form, "txtAzimuth")->text(), "");
    EXPECT_EQ(form->state().LocIndex, 1);
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(LocationCommandsTest, AddReusesTheHighestDeletedRecord) {
    const LocationRecord gone = DeletedLocationRecord();
    Open({Loc("A", 1, 1), gone, Loc("C", 3, 3), Loc("D", 4, 4), gone, Loc("F", 6, 6)});
    Type("Quay", "51", "2");
    test::Find<QAction>(*form, "mnuAddLocation")->trigger();
    EXPECT_EQ(FileBytes(), LocationFileBytes({Loc("A", 1, 1), gone, Loc("C", 3, 3), Loc("D", 4, 4),
                                              Loc("Quay", 51, 2), Loc("F", 6, 6)}));
    EXPECT_EQ(form->state().LocCount, 6);
    EXPECT_EQ(form->state().LocIndex, 5);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"A", "C", "D", "F", "Quay"}));
}

// The name rules of Add: 50 characters as typed, blanks counted; stored and compared
// without surrounding blanks, letter case counting.
TEST_F(LocationCommandsTest, AddNameRules) {
    const std::string name49(49, 'n');
    const struct {
        std::string typed;
        std::string message;  // empty: the location is added as record 2
        std::string stored;
    } cases[] = {
        {"  Quay ", "Duplicate names not allowed!", ""},
        {"Yard", "Duplicate names not allowed!", ""},  // met after the free record 2
        {"QUAY", "", "QUAY"},
        {" " + name49, "", name49},  // 50 characters with the blank
        {" " + name49 + " ", "Location name cannot exceed 50 characters", ""},
        {std::string(51, 'x'), "Location name cannot exceed 50 characters", ""},
        {"", "", ""},  // a blank name is stored as one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("typed \"" + c.typed + "\"");
        const std::vector<LocationRecord> before = {Loc("Quay", 50, 1), DeletedLocationRecord(),
                                                    Loc("Yard", 52, 3)};
        Open(before);
        platform.clearRecords();
        Type(c.typed, "51", "2");
        test::Find<QAction>(*form, "mnuAddLocation")->trigger();
        if (c.message.empty()) {
            EXPECT_EQ(FileBytes(), LocationFileBytes({before[0], Loc(c.stored, 51, 2), before[2]}));
            EXPECT_TRUE(platform.messages().empty());
        } else {
            EXPECT_EQ(FileBytes(), LocationFileBytes(before));
            ASSERT_EQ(platform.messages().size(), 1u);
            EXPECT_EQ(platform.lastMessage().text, c.message);
            EXPECT_EQ(platform.lastMessage().icon,
                      c.message[0] == 'D' ? MsgIcon::None : MsgIcon::Exclamation);
        }
    }
    ExpectAllScripted();
}

// Add refuses what it cannot store as a whole; nothing is written.
TEST_F(LocationCommandsTest, AddRefusals) {
    const std::string lat = "North Lat: must be a number in decimal degrees.";
    const std::string lon = "West Long: must be a number in decimal degrees.";
    const struct {
        const char* what;
        std::string satellite, name, latitude, longitude, message;
    } cases[] = {
        {"empty latitude", "100", "Pier", "", "2", lat},
        {"a field that is no number", "", "Pier", "40 3O 15", "2", lat},
        {"two spaces between the fields", "", "Pier", "51", "2  30", lon},
        {"junk after the number", "", "Pier", "51", "12abc", lon},
        {"both bad: longitude first", "100", "Pier", "x", "y", lon},
        {"the deletion mark as name", "100", "\xFF", "51", "2",
         "\"\xFF\" cannot be used as a location name."},
    };
    const std::vector<LocationRecord> before = {Loc("Quay", 50, 1)};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(before);
        test::Find<ComboBox>(*form, "cboSatLong")->setText(c.satellite);
        platform.clearRecords();
        Type(c.name, c.latitude, c.longitude);
        test::Find<QAction>(*form, "mnuAddLocation")->trigger();
        EXPECT_EQ(FileBytes(), LocationFileBytes(before));
        EXPECT_EQ(form->state().LocCount, 1);
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_EQ(platform.lastMessage().text, c.message);
        EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::Ok);
        EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
        EXPECT_EQ(platform.lastMessage().title, "SNG Tarvo");
    }
}

TEST_F(LocationCommandsTest, AddToAFullFileIsRefused) {
    const std::string full =
        LocationFileBytes(std::vector<LocationRecord>(32767, Loc("Depot", 1, 1)));
    OpenBytes(full);
    Type("Yard", "51", "2");
    test::Find<QAction>(*form, "mnuAddLocation")->trigger();
    EXPECT_EQ(FileBytes(), full);
    EXPECT_EQ(form->state().LocCount, 32767);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text.rfind("The location file is full", 0), 0u);
}

TEST_F(LocationCommandsTest, AFailedRecordWriteIsReported) {
    const std::vector<LocationRecord> before = {Loc("Quay", 50, 1), Loc("Yard", 52, 3)};
    Open(before);
    Type("Pier", "51", "2");
    {
        FileSizeLimit limit(132);  // no room for a third record
        test::Find<QAction>(*form, "mnuAddLocation")->trigger();
    }
    EXPECT_EQ(FileBytes(), LocationFileBytes(before));
    EXPECT_EQ(form->state().LocCount, 2);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Quay", "Yard"}));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "The location could not be written to sites.loc.\n\rFile too large");
    // What the crew typed is still there, to be saved once there is room.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Pier");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "51");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "2");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    test::Find<QAction>(*form, "mnuAddLocation")->trigger();
    EXPECT_EQ(FileBytes(), LocationFileBytes({before[0], before[1], Loc("Pier", 51, 2)}));
}

// Save Changes and Delete of record 3 with no byte allowed past 132: the write at offset
// 132 fails whole. The file keeps its bytes, the boxes what the crew left in them, the
// default is not cleared; the same command succeeds once the fault is gone.
TEST_F(LocationCommandsTest, AFailedSaveOrDeleteKeepsTheBoxesAndTheDefault) {
    const std::vector<LocationRecord> before = {Loc("Quay", 50, 1), Loc("Yard", 52, 3),
                                                Loc("Pier", 51, 2)};
    const struct {
        const char* what;
        bool remove;
        std::string name, latitude;  // the boxes after the failure
        std::vector<LocationRecord> after;
    } cases[] = {
        // The edited latitude emptied the name box; the record keeps its name.
        {"Save Changes", false, "", "51.25", {before[0], before[1], Loc("Pier", 51.25, 2)}},
        {"Delete", true, "Pier", "51", {before[0], before[1], DeletedLocationRecord()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::WritableState(*form).Settings.DefaultLocName = Field50("Pier");
        WriteSettingsFile(form->state().Settings, "tarvo.ini");
        test::WritableState(*form).SettingsInFile = test::WritableState(*form).Settings;
        const std::string settings = FileBytes("tarvo.ini");
        Open(before);
        Choose("Pier");
        if (!c.remove) {
            test::Find<TextBox>(*form, "txtLatitude")->setText("51.25");
        }
        const auto run = [&] {
            platform.clearRecords();
            platform.queueAnswer(MsgAnswer::Yes);
            if (c.remove) {
                platform.queueAnswer(MsgAnswer::Yes);  // clear the default
                test::Find<QAction>(*form, "mnuDeleteLocation")->trigger();
            } else {
                test::Find<QAction>(*form, "mnuSaveLocation")->trigger();
            }
        };
        {
            FileSizeLimit limit(132);
            run();
        }
        EXPECT_EQ(platform.lastMessage().text,
                  "The location could not be written to sites.loc.\n\rFile too large");
        EXPECT_EQ(FileBytes(), LocationFileBytes(before));
        EXPECT_EQ(FileBytes("tarvo.ini"), settings);
        EXPECT_EQ(form->state().Settings.DefaultLocName, Field50("Pier"));
        EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), c.name);
        EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), c.latitude);
        EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "2");
        EXPECT_EQ(Entries(), (std::vector<std::string>{"Pier", "Quay", "Yard"}));

        run();
        EXPECT_EQ(FileBytes(), LocationFileBytes(c.after));
        ExpectAllScripted();
    }
}

TEST_F(LocationCommandsTest, SaveChangesUnderTheOwnNameOrAnother) {
    const std::vector<LocationRecord> before = {Loc("Depot", 52.25, 1.5), Loc("Yard", 40, 100)};
    Open(before);
    Choose("Depot");
    // Only the latitude edited: the name goes from the box and is typed again.
    test::Find<TextBox>(*form, "txtLatitude")->setText("52.5");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    test::Find<ComboBox>(*form, "cboLocations")->setText("Depot");

    platform.queueAnswer(MsgAnswer::No);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();
    EXPECT_EQ(FileBytes(), LocationFileBytes(before));

    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();
    EXPECT_EQ(FileBytes(), LocationFileBytes({Loc("Depot", 52.5, 1.5), before[1]}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Depot");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "52.5");
    EXPECT_EQ(form->state().LocIndex, 1);

    // Another record's name is refused.
    test::Find<ComboBox>(*form, "cboLocations")->setText("Yard");
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();
    EXPECT_EQ(FileBytes(), LocationFileBytes({Loc("Depot", 52.5, 1.5), before[1]}));

    const auto& messages = platform.messages();
    ASSERT_EQ(messages.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(messages[i].text, "You are about to make permanent changes to Depot." + kConfirm);
        EXPECT_EQ(messages[i].buttons, MsgButtons::YesNo);
        EXPECT_EQ(messages[i].icon, MsgIcon::None);
    }
    EXPECT_EQ(messages[3].text, "Duplicate names not allowed!");
    ExpectAllScripted();
}

TEST_F(LocationCommandsTest, SaveChangesOfTheDefaultRenamesAndMovesItInTheSettings) {
    test::WritableState(*form).Settings.DefaultLocName = Field50("Depot");
    test::WritableState(*form).Settings.DefaultLocLat = 52;
    test::WritableState(*form).Settings.DefaultLocLong = 1;
    Open({Loc("Yard", 40, 100), Loc("Depot", 52.25, 1.5)});
    Choose("Depot");
    test::Find<ComboBox>(*form, "cboLocations")->setText(" Depot North ");
    test::Find<TextBox>(*form, "txtLongitude")->setText("1.75");
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();

    EXPECT_EQ(FileBytes(),
              LocationFileBytes({Loc("Yard", 40, 100), Loc("Depot North", 52.25, 1.75)}));
    // Lines 4 to 6 of tarvo.ini: the name padded to 50, then the record's new position,
    // each number with a space before and after it.
    const std::string ini = FileBytes("tarvo.ini");
    EXPECT_NE(ini.find("\r\n" + Field50("Depot North") + "\r\n 1.75 \r\n 52.25 \r\n"),
              std::string::npos)
        << ini;
    EXPECT_EQ(IniOnDisk().LocFileName, "sites.loc");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Depot North", "Yard"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Depot North");
}

// Choose, correct the latitude, Save Changes: the coordinate edit emptied the name box,
// and the location keeps its name; as the default it keeps that name in the settings
// too, at its corrected position.
TEST_F(LocationCommandsTest, SaveChangesWithTheNameBoxEmptiedKeepsTheName) {
    test::WritableState(*form).Settings.DefaultLocName = Field50("Depot");
    test::WritableState(*form).Settings.DefaultLocLat = 52.25;
    test::WritableState(*form).Settings.DefaultLocLong = 1.5;
    Open({Loc("Yard", 40, 100), Loc("Depot", 52.25, 1.5)});
    Choose("Depot");
    test::Find<TextBox>(*form, "txtLatitude")->setText("52.5");
    ASSERT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();

    EXPECT_EQ(Texts(), std::vector<std::string>{"You are about to make permanent changes to "
                                                "Depot." +
                                                kConfirm});
    EXPECT_EQ(FileBytes(), LocationFileBytes({Loc("Yard", 40, 100), Loc("Depot", 52.5, 1.5)}));
    const Settings ini = IniOnDisk();
    EXPECT_EQ(ini.DefaultLocName, Field50("Depot"));
    EXPECT_EQ(ini.DefaultLocLat, 52.5);
    EXPECT_EQ(ini.DefaultLocLong, 1.5);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Depot", "Yard"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Depot");
    ExpectAllScripted();
}

// With no satellite shown no calculation rewrites the boxes: every command still reads
// "40 30 15" as 40 + (30 + 15/60)/60 = 40.504166..., 40.5042 to four places, and
// "100 15" as 100 + 15/60 = 100.25.
TEST_F(LocationCommandsTest, TypedDegreesMinutesSecondsAreStoredConvertedByEveryCommand) {
    Open({Loc("Depot", 52.25, 1.5)});
    test::Find<ComboBox>(*form, "cboSatLong")->setText("");

    Choose("Depot");
    test::Find<TextBox>(*form, "txtLatitude")->setText("40 30 15");
    test::Find<TextBox>(*form, "txtLongitude")->setText("100 15");
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();
    EXPECT_EQ(FileBytes(), LocationFileBytes({Loc("Depot", 40.5042, 100.25)}));

    Type("Ridge", "40 30 15", "100 15");
    test::Find<QAction>(*form, "mnuAddLocation")->trigger();
    EXPECT_EQ(FileBytes(),
              LocationFileBytes({Loc("Depot", 40.5042, 100.25), Loc("Ridge", 40.5042, 100.25)}));

    // The position first: typed after a chosen name, it would empty the name box.
    test::Find<TextBox>(*form, "txtLatitude")->setText("40 30 15");
    test::Find<TextBox>(*form, "txtLongitude")->setText("100 15");
    test::Find<ComboBox>(*form, "cboLocations")->setText("Ridge");
    test::Find<QAction>(*form, "mnuLocationDefault")->trigger();
    const Settings ini = IniOnDisk();
    EXPECT_EQ(ini.DefaultLocLat, 40.5042);
    EXPECT_EQ(ini.DefaultLocLong, 100.25);
    EXPECT_EQ(platform.lastMessage().text, "Ridge is now your default location.");

    // Anything else is refused by each of them, and nothing is written.
    const std::string locations = FileBytes();
    const std::string settings = FileBytes("tarvo.ini");
    Choose("Depot");
    test::Find<TextBox>(*form, "txtLatitude")->setText("40abc");
    platform.queueAnswer(MsgAnswer::Yes);
    test::Find<QAction>(*form, "mnuSaveLocation")->trigger();
    EXPECT_EQ(platform.lastMessage().text, "North Lat: must be a number in decimal degrees.");
    test::Find<QAction>(*form, "mnuLocationDefault")->trigger();
    EXPECT_EQ(platform.lastMessage().text, "North Lat: must be a number in decimal degrees.");
    EXPECT_EQ(FileBytes(), locations);
    EXPECT_EQ(FileBytes("tarvo.ini"), settings);
    ExpectAllScripted();
}

TEST_F(LocationCommandsTest, DeleteKeepsTheFileLengthAndAsksAboutTheDefault) {
    for (const MsgAnswer clear : {MsgAnswer::Yes, MsgAnswer::No}) {
        SCOPED_TRACE(clear == MsgAnswer::Yes ? "cleared" : "kept");
        Settings& settings = test::WritableState(*form).Settings;
        settings.DefaultLocName = Field50("Yard");
        settings.DefaultLocLat = 40;
        settings.DefaultLocLong = 100;
        WriteSettingsFile(settings, "tarvo.ini");
        Open({Loc("Depot", 52.25, 1.5), Loc("Yard", 40, 100), Loc("Quay", 50, 1)});
        platform.clearRecords();
        Choose("Yard");
        platform.queueAnswer(MsgAnswer::Yes);
        platform.queueAnswer(clear);
        test::Find<QAction>(*form, "mnuDeleteLocation")->trigger();

        EXPECT_EQ(FileBytes(), LocationFileBytes({Loc("Depot", 52.25, 1.5), DeletedLocationRecord(),
                                                  Loc("Quay", 50, 1)}));
        EXPECT_EQ(form->state().LocCount, 3);
        EXPECT_EQ(form->state().LocIndex, 2);  // still the deleted record
        EXPECT_EQ(Entries(), (std::vector<std::string>{"Depot", "Quay"}));
        EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "");
        EXPECT_EQ(test::Find<TextBox>(*form, "txtAzimuth")->text(), "");

        const auto& messages = platform.messages();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].text,
                  "You are about to delete the location: " + Field50("Yard") + kConfirm);
        EXPECT_EQ(messages[1].text,
                  "Yard is your default location,\n\rdo you want the default location cleared?");
        for (const auto& message : messages) {
            EXPECT_EQ(message.buttons, MsgButtons::YesNo);
            EXPECT_EQ(message.icon, MsgIcon::Question);
        }
        const Settings ini = IniOnDisk();
        EXPECT_EQ(ini.DefaultLocName,
                  clear == MsgAnswer::Yes ? std::string(50, ' ') : Field50("Yard"));
        EXPECT_EQ(ini.DefaultLocLat, clear == MsgAnswer::Yes ? 0 : 40);
        EXPECT_EQ(ini.DefaultLocLong, clear == MsgAnswer::Yes ? 0 : 100);
    }
    ExpectAllScripted();
}

TEST_F(LocationCommandsTest, SetDefaultStoresWhatTheBoxesHold) {
    OpenBytes("");
    // A position that is no number is refused, as Add refuses it.
    Type("", "40.5", "abc");
    test::Find<QAction>(*form, "mnuLocationDefault")->trigger();
    EXPECT_FALSE(std::filesystem::exists(folder.file("tarvo.ini")));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "West Long: must be a number in decimal degrees.");

    platform.clearRecords();
    Type("", "40.5", "0");
    test::Find<QAction>(*form, "mnuLocationDefault")->trigger();
    const Settings ini = IniOnDisk();
    EXPECT_EQ(ini.DefaultLocName, std::string(50, ' '));
    EXPECT_EQ(ini.DefaultLocLat, 40.5);
    EXPECT_EQ(ini.DefaultLocLong, 0);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, " is now your default location.");
    EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::None);

    Type("Harbour gate", "41", "101");
    test::Find<QAction>(*form, "mnuLocationDefault")->trigger();
    EXPECT_EQ(IniOnDisk().DefaultLocName, Field50("Harbour gate"));
    EXPECT_EQ(platform.lastMessage().text, "Harbour gate is now your default location.");
}

// Save Changes and Delete need a location chosen from the list: never is record 0
// written, nor a stray record past the end, nor a deleted record again.
TEST_F(LocationCommandsTest, NoCurrentLocationIsRefused) {
    // " Pier" is listed as "Pier", which then matches no record.
    const std::vector<LocationRecord> before = {Loc("Depot", 52.25, 1.5), Loc(" Pier", 50, 1),
                                                Loc("Yard", 40, 100)};
    const std::vector<LocationRecord> yardDeleted = {before[0], before[1], DeletedLocationRecord()};
    enum class Setup { JustOpened, NothingMatched, AlreadyDeleted };
    for (const Setup setup : {Setup::JustOpened, Setup::NothingMatched, Setup::AlreadyDeleted}) {
        for (const bool remove : {false, true}) {
            SCOPED_TRACE(static_cast<int>(setup) * 2 + remove);
            test::WritableState(*form).LocIndex = 0;
            Open(before);
            if (setup == Setup::NothingMatched) {
                Choose("Pier");
                EXPECT_EQ(form->state().LocIndex, 4);
            } else if (setup == Setup::AlreadyDeleted) {
                Choose("Yard");
                platform.queueAnswer(MsgAnswer::Yes);
                test::Find<QAction>(*form, "mnuDeleteLocation")->trigger();
            }
            const std::string expected = FileBytes();
            EXPECT_EQ(expected,
                      LocationFileBytes(setup == Setup::AlreadyDeleted ? yardDeleted : before));
            test::Find<ComboBox>(*form, "cboLocations")->setText("Yard");
            test::Find<TextBox>(*form, "txtLatitude")->setText("45");
            test::Find<TextBox>(*form, "txtLongitude")->setText("90");
            platform.clearRecords();
            (remove ? test::Find<QAction>(*form, "mnuDeleteLocation")
                    : test::Find<QAction>(*form, "mnuSaveLocation"))
                ->trigger();

            EXPECT_EQ(FileBytes(), expected);
            ASSERT_EQ(platform.messages().size(), 1u);
            EXPECT_EQ(platform.lastMessage().text,
                      std::string("No location is chosen.\n\rPlease choose the location to ") +
                          (remove ? "delete" : "change") + " from the list first.");
            EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
        }
    }
    ExpectAllScripted();
}

}  // namespace
}  // namespace tarvo::testing
