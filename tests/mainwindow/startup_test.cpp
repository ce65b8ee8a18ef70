#include <sys/stat.h>
#include <QEvent>
#include <QObject>
#include <QPushButton>

#include <filesystem>
#include <string>
#include <vector>

#include "data_files.h"
#include "disk_files.h"
#include "form_fixture.h"
#include "platform/check_box.h"
#include "platform/option_button.h"

namespace tarvo::testing {
namespace {

const std::string kLineBreak = "\x0A\x0D";  // line feed, then carriage return

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
}

// A settings file written line by line as the program writes it: no offsets, the
// default location "Harbour gate" at 100 W (line 5) and 40 N (line 6).
std::string SettingsText(const std::string& locFile, const std::string& sortAlpha = "1") {
    return " 0 \r\n"                              // elevation offset
           " 0 \r\n"                              // azimuth offset
           + locFile + "\r\n"                     // location file
           + Padded("Harbour gate", 50) + "\r\n"  // default location name
           + " 100 \r\n"                          // its longitude, degrees west
           + " 40 \r\n"                           // its latitude, degrees north
           + "tarvo.sat\r\n"                      // satellite file
           + " " + sortAlpha + " \r\n"            // list order
           + "Arial\r\n 14 \r\n 1000 \r\n 400 \r\n 100 \r\n 9009 \r\n";
}

// Three lines a satellite: the name quoted and padded to 25, the longitude, the mark.
std::string SatelliteText(const std::vector<std::tuple<std::string, std::string, int>>& rows) {
    std::string text;
    for (const auto& [name, longitude, mark] : rows) {
        text +=
            "\"" + Padded(name, 25) + "\"\r\n" + longitude + "\r\n" + std::to_string(mark) + "\r\n";
    }
    return text;
}

class StartupTest : public FormTest {
  protected:
    // The working folder of the worked example: the default satellite at 101 W.
    void WriteExampleFolder(int defaultMark = 1, const std::string& sortAlpha = "1") {
        WriteBytes(folder.file("tarvo.ini"), SettingsText("trucks.loc", sortAlpha));
        WriteBytes(folder.file("tarvo.sat"), SatelliteText({{"Home bird", "101", defaultMark},
                                                            {"Zenith 2", "97", 0},
                                                            {"Home bird", "101", defaultMark},
                                                            {"aurora", "63", 1}}));
        WriteBytes(folder.file("trucks.loc"), ExampleLocations());
    }

    static std::string ExampleLocations() {
        return LocationFileBytes(
            {Loc("harbour gate", 41, 101), Loc("Harbour gate", 40, 100), Loc("Depot", 52.25, 1.5)});
    }

    std::vector<std::string> LocationEntries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < test::Find<ComboBox>(*form, "cboLocations")->count(); ++i) {
            entries.push_back(test::Find<ComboBox>(*form, "cboLocations")->itemText(i));
        }
        return entries;
    }
};

TEST_F(StartupTest, WorkedExample) {
    WriteExampleFolder();
    const std::string settingsBefore = ReadBytes(folder.file("tarvo.ini"));
    form->Form_Load();

    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(form->state().StartDir, folder.path().string());
    EXPECT_EQ(form->state().ConfirmText, kLineBreak + "Do you really want to do that?");

    // The default satellite, its name as stored with its trailing spaces.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), Padded("Home bird", 25));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "101");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);
    EXPECT_TRUE(test::Find<OptionButton>(*form, "optAlpha")->value());
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->count(),
              3);  // the catalogue rows, not row 0

    // The location list, sorted ignoring case, and the default location as stored.
    EXPECT_EQ(LocationEntries(),
              (std::vector<std::string>{"Depot", "harbour gate", "Harbour gate"}));
    EXPECT_EQ(form->state().LocCount, 3);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), Padded("Harbour gate", 50));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40");

    // 40 N, 100 W to 101 W with no offsets.
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);

    // Selecting the order wrote no settings; opening the location file wrote nothing.
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), settingsBefore);
    EXPECT_EQ(ReadBytes(folder.file("trucks.loc")), ExampleLocations());
    EXPECT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 1);

    // The list works on the file opened at start-up.
    test::Find<ComboBox>(*form, "cboLocations")->choose(0);
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "52.25");
    EXPECT_EQ(form->state().LocIndex, 3);

    // Exit closes it.
    EXPECT_EQ(RunUntilExit([this] { test::Find<QPushButton>(*form, "cmdExit")->click(); }), 0);
    EXPECT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 0);
}

// What the window showed when it was first painted: it is painted before the files are
// read, so with its captions but without entries or results.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(frmSatellite& form) : form_(form) {}
    bool painted = false;
    bool visible = false;
    int satellites = -1;
    int locations = -1;
    std::string azimuth = "?";

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            visible = form_.isVisible();
            satellites = test::Find<ComboBox>(form_, "cboSatName")->count();
            locations = test::Find<ComboBox>(form_, "cboLocations")->count();
            azimuth = test::Find<TextBox>(form_, "txtAzimuth")->text();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    frmSatellite& form_;
};

TEST_F(StartupTest, TheWindowIsPaintedBeforeTheFilesAreRead) {
    WriteExampleFolder();
    FirstPaint first(*form);
    test::Find<Label>(*form, "lblPresetSatellites")->installEventFilter(&first);
    form->Form_Load();
    EXPECT_TRUE(first.painted);
    EXPECT_TRUE(first.visible);
    EXPECT_EQ(first.satellites, 0);
    EXPECT_EQ(first.locations, 0);
    EXPECT_EQ(first.azimuth, "");
    // Then the files were read and the results shown.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 3);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 3);
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
}

TEST_F(StartupTest, DefaultSatelliteOffTheLookListAndArcOrder) {
    WriteExampleFolder(0, "0");
    const std::string settingsBefore = ReadBytes(folder.file("tarvo.ini"));
    form->Form_Load();
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
    EXPECT_TRUE(test::Find<OptionButton>(*form, "optArc")->value());
    EXPECT_FALSE(test::Find<OptionButton>(*form, "optAlpha")->value());
    EXPECT_EQ(ReadBytes(folder.file("tarvo.ini")), settingsBefore);
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
    EXPECT_EQ(form->state().Updating, 0);
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
}

TEST_F(StartupTest, EmptySatelliteFileLeavesTheSatelliteControlsEmpty) {
    WriteExampleFolder();
    WriteBytes(folder.file("tarvo.sat"), "");
    form->Form_Load();

    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "The file tarvo.sat was not found or is corrupt!" +
                                               kLineBreak + "No satellites will be loaded.");
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Critical);

    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
    EXPECT_EQ(Shown(), (Results{"", "", ""}));

    // The location part ran all the same.
    EXPECT_EQ(LocationEntries().size(), 3u);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), Padded("Harbour gate", 50));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40");
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);
}

TEST_F(StartupTest, MissingSettingsAnsweredNoRunsOnDefaults) {
    WriteBytes(folder.file("tarvo.sat"), SatelliteText({{"Home bird", "101", 1}}));
    platform.queueAnswer(MsgAnswer::No);
    form->Form_Load();

    // The rebuild question only: the empty location file name is no failure to report.
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text, "Tarvo.ini file is missing or corrupt." + kLineBreak +
                                               "Do you want the program to rebuild it?");
    EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::YesNo);
    EXPECT_EQ(platform.pendingCount(), 0u);

    // Nothing was written: the folder holds the satellite file alone.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        files.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(files, std::vector<std::string>{"tarvo.sat"});

    EXPECT_FALSE(form->state().LocFile.has_value());
    EXPECT_EQ(form->state().LocCount, 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 0);
    // The blank default location: 50 spaces, 0 in both boxes, no results.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), std::string(50, ' '));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "0");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "0");
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "101");
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);
}

TEST_F(StartupTest, LocationFileThatCannotBeOpenedIsReportedOnce) {
    WriteExampleFolder();
    std::filesystem::remove(folder.file("trucks.loc"));
    std::filesystem::create_directory(folder.file("trucks.loc"));
    form->Form_Load();

    ASSERT_EQ(platform.messages().size(), 1u);
    const ScriptedPlatform::Message& message = platform.lastMessage();
    EXPECT_EQ(message.text, "The location file trucks.loc could not be opened." + kLineBreak +
                                "Is a directory" + kLineBreak + "No locations are available.");
    EXPECT_EQ(message.buttons, MsgButtons::Ok);
    EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    EXPECT_EQ(message.title, "SNG Tarvo");

    EXPECT_FALSE(form->state().LocFile.has_value());
    EXPECT_EQ(form->state().LocCount, 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 0);
    // Start-up went on: the default location is shown and calculated.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), Padded("Harbour gate", 50));
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);

    // Choosing finds nothing to read.
    form->cboLocations_Click();
    EXPECT_EQ(form->state().LocIndex, 1);
}

TEST_F(StartupTest, MissingLocationFileIsCreatedEmpty) {
    WriteExampleFolder();
    std::filesystem::remove(folder.file("trucks.loc"));
    form->Form_Load();
    EXPECT_TRUE(platform.messages().empty());
    ASSERT_TRUE(std::filesystem::exists(folder.file("trucks.loc")));
    EXPECT_EQ(std::filesystem::file_size(folder.file("trucks.loc")), 0u);
    EXPECT_EQ(form->state().LocCount, 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 0);
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
}

TEST_F(StartupTest, AFolderNameProgramTextCannotHoldIsReportedAndStartUpGoesOn) {
    // The platform gives no current directory for a folder named in, say, Cyrillic.
    WriteExampleFolder();
    platform.setCurrentDirectory("");
    form->Form_Load();

    ASSERT_EQ(platform.messages().size(), 1u);
    const auto& message = platform.messages()[0];
    EXPECT_NE(message.text.find("current folder"), std::string::npos);
    EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    EXPECT_EQ(message.title, "SNG Tarvo");
    EXPECT_EQ(form->state().StartDir, "");
    // The files named relative to it are read as ever.
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
}

TEST_F(StartupTest, FileNamesOfBlanksAreNoNames) {
    std::string settings = SettingsText("   ");
    settings.replace(settings.find("tarvo.sat"), 9, " \t ");
    WriteBytes(folder.file("tarvo.ini"), settings);
    form->Form_Load();

    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 0);
    EXPECT_FALSE(form->state().LocFile.has_value());
    EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"tarvo.ini"});
}

TEST_F(StartupTest, ASatelliteFileThatIsAPipeIsReportedAsNotFoundOrCorrupt) {
    WriteExampleFolder();
    std::filesystem::remove(folder.file("tarvo.sat"));
    ASSERT_EQ(::mkfifo(folder.file("tarvo.sat").c_str(), 0644), 0);
    form->Form_Load();  // must not wait for a writer

    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "The file tarvo.sat was not found or is corrupt!" +
                                               kLineBreak + "No satellites will be loaded.");
    EXPECT_EQ(platform.messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 0);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 3);  // start-up went on
}

TEST_F(StartupTest, SampleWorkingFolder) {
    for (const auto& entry : std::filesystem::directory_iterator(TARVO_SAMPLES)) {
        std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
    }
    const std::string locationsBefore = ReadBytes(folder.file("tarvo.loc"));
    form->Form_Load();

    EXPECT_TRUE(platform.messages().empty());
    // tarvo.sat: row 0 is "Galaxy 19" at 97 W, on the look list; 23 catalogue rows follow.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), Padded("Galaxy 19", 25));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "97");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->count(), 23);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->count(), 23);
    // tarvo.ini: default "Atlanta, GA" at 84.39 W, 33.75 N; tarvo.loc holds 12 records.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), Padded("Atlanta, GA", 50));
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "84.39");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "33.75");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->count(), 12);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->itemText(0), "Atlanta, GA");

    // Galaxy 19 at 97 W from Atlanta, worked through the formulas by hand (with Pi as
    // 3.1415927): azimuth 201.93302..., elevation 48.47853..., range 20072.5455...
    EXPECT_EQ(Shown(), (Results{"201.933", "48.479", "20072.5"}));
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(ReadBytes(folder.file("tarvo.loc")), locationsBefore);
}

}  // namespace
}  // namespace tarvo::testing
