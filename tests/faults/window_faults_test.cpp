// Faults met by the File and record commands of the main window, each in a process of
// its own: a full disk (a file-size limit, so that writes fail for real), a folder the
// user may not write to, a read-only file, and a folder where the file should be. Each
// case checks that the file is as it was, that the user was told why in the system's
// words, and that the same command succeeds once the fault is gone.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QAction>
#include <QPushButton>

#include "catalogue/location_file.h"
#include "catalogue/satellite_file.h"
#include "catalogue/settings_file.h"
#include "child_process.h"
#include "mainwindow/data_files.h"
#include "mainwindow/disk_files.h"
#include "mainwindow/file_size_limit.h"
#include "mainwindow/frm_satellite.h"
#include "platform/combo_box.h"
#include "platform/qt_platform.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo::testing {
namespace {

namespace fs = std::filesystem;

enum class Target { Settings, Satellites, Locations, SatelliteCopy, LocationCopy, LookListPdf };
enum class Fault { FullDisk, ReadOnlyFolder, ReadOnlyFile, FolderInItsPlace };

// One fault met by the command that writes one file. An empty reason: the command
// succeeds in spite of the fault.
struct Case {
    const char* name;
    Target target;
    Fault fault;
    const char* reason;
};

// A file the user may write to in a folder that takes no new file is rewritten in place,
// and location records are always written in place; a copy needs a new file.
const Case kCases[] = {
    {"SettingsFullDisk", Target::Settings, Fault::FullDisk, "File too large"},
    {"SettingsReadOnlyFolder", Target::Settings, Fault::ReadOnlyFolder, ""},
    {"SettingsReadOnlyFile", Target::Settings, Fault::ReadOnlyFile, "Permission denied"},
    {"SettingsFolder", Target::Settings, Fault::FolderInItsPlace, "Is a directory"},
    {"SatellitesFullDisk", Target::Satellites, Fault::FullDisk, "File too large"},
    {"SatellitesReadOnlyFolder", Target::Satellites, Fault::ReadOnlyFolder, ""},
    {"SatellitesReadOnlyFile", Target::Satellites, Fault::ReadOnlyFile, "Permission denied"},
    {"SatellitesFolder", Target::Satellites, Fault::FolderInItsPlace, "Is a directory"},
    {"LocationsFullDisk", Target::Locations, Fault::FullDisk, "File too large"},
    {"LocationsReadOnlyFolder", Target::Locations, Fault::ReadOnlyFolder, ""},
    {"LocationsFolder", Target::Locations, Fault::FolderInItsPlace, "Is a directory"},
    {"SatelliteCopyFullDisk", Target::SatelliteCopy, Fault::FullDisk, "File too large"},
    {"SatelliteCopyReadOnlyFolder", Target::SatelliteCopy, Fault::ReadOnlyFolder,
     "Permission denied"},
    {"SatelliteCopyReadOnlyFile", Target::SatelliteCopy, Fault::ReadOnlyFile, "Permission denied"},
    {"SatelliteCopyFolder", Target::SatelliteCopy, Fault::FolderInItsPlace, "Is a directory"},
    {"LocationCopyFullDisk", Target::LocationCopy, Fault::FullDisk, "File too large"},
    {"LocationCopyReadOnlyFolder", Target::LocationCopy, Fault::ReadOnlyFolder,
     "Permission denied"},
    {"LocationCopyReadOnlyFile", Target::LocationCopy, Fault::ReadOnlyFile, "Permission denied"},
    {"LocationCopyFolder", Target::LocationCopy, Fault::FolderInItsPlace, "Is a directory"},
    {"LookListPdfFullDisk", Target::LookListPdf, Fault::FullDisk, "File too large"},
    {"LookListPdfReadOnlyFolder", Target::LookListPdf, Fault::ReadOnlyFolder, "Permission denied"},
    {"LookListPdfReadOnlyFile", Target::LookListPdf, Fault::ReadOnlyFile, "Permission denied"},
    {"LookListPdfFolder", Target::LookListPdf, Fault::FolderInItsPlace, "Is a directory"},
};

constexpr int kCannotInject = 77;  // the child's exit status when the machine cannot

// The scripted platform with the real PDF writer, so that the look list reaches the disk.
class PdfPlatform : public ScriptedPlatform {
  public:
    PrintJobStart startPdfJob(std::string_view path) override {
        return QtPlatform().startPdfJob(path);
    }
};

// The main window started from a working folder of its own, in which one command meets
// one fault. Runs in the child process only.
class FaultedWindow {
  public:
    explicit FaultedWindow(const Case& fault) : case_(fault) {
        fs::create_directory(folder_.file("out"));
        Settings settings = DefaultSettings();
        settings.LocFileName = "sites.loc";
        settings.SatFileName = "sats.sat";
        WriteSettingsFile(settings, "tarvo.ini");
        SatelliteTable table;
        table.Append({"Home", 101, 0});
        table.Append({"Alpha", 97, 1});
        table.Append({"Bravo", 105.5, 1});
        WriteSatelliteFile(table, "sats.sat");
        WriteBytes(folder_.file("sites.loc"),
                   LocationFileBytes({Loc("Depot", 40, 100), Loc("Ridge", 41.5, 99)}));
        if (IsCopy()) {
            WriteBytes(File(), "the old copy");
        }
        ScriptedPlatform::Printer none;
        none.present = false;
        platform_.setPrinter(none);
        form_ = std::make_unique<frmSatellite>(platform_);
        form_->Form_Load();
    }

    void Run() {
        EXPECT_EQ(platform_.messages().size(), 0u) << platform_.lastMessage().text;
        SetUp();
        const std::string before = Bytes();
        const std::vector<std::string> names = FolderNames(Folder());
        const std::size_t told = platform_.messages().size();
        {
            std::optional<FileSizeLimit> limit;
            std::optional<AsOrdinaryUser> user;
            if (case_.fault == Fault::FullDisk) {
                // Room for the old location records and part of a new one, or for no
                // more than the start of any other file.
                limit.emplace(case_.target == Target::Locations ? 2 * 66 + 40 : 64);
            } else if (case_.fault == Fault::ReadOnlyFolder) {
                user.emplace();
            }
            Command(0);
        }
        if (*case_.reason == '\0') {
            ExpectNoFailureSince(told);
            ExpectWritten();
            return;
        }
        ASSERT_GT(platform_.messages().size(), told);
        EXPECT_EQ(platform_.lastMessage().text, FailureText());
        EXPECT_EQ(Bytes(), before) << "the old file changed";
        EXPECT_EQ(FolderNames(Folder()), names) << "a file was left behind";

        TakeAway();
        const std::size_t toldAgain = platform_.messages().size();
        Command(1);
        ExpectNoFailureSince(toldAgain);
        ExpectWritten();
    }

  private:
    bool IsCopy() const {
        return case_.target == Target::SatelliteCopy || case_.target == Target::LocationCopy ||
               case_.target == Target::LookListPdf;
    }
    // The file the command writes, as the program names it, and where it is.
    std::string Name() const {
        switch (case_.target) {
            case Target::Settings:
                return "tarvo.ini";
            case Target::Satellites:
                return "sats.sat";
            case Target::Locations:
                return case_.fault == Fault::FolderInItsPlace ? folder_.Name("other.loc")
                                                              : "sites.loc";
            case Target::SatelliteCopy:
                return folder_.Name("out/copy.sat");
            case Target::LocationCopy:
                return folder_.Name("out/copy.loc");
            case Target::LookListPdf:
                return folder_.Name("out/Look list.pdf");
        }
        return {};
    }
    fs::path File() const { return folder_.path() / Name(); }
    fs::path Folder() const { return File().parent_path(); }

    // The file's bytes; a folder or no file reads as a mark of its own.
    std::string Bytes() const {
        if (fs::is_directory(File())) {
            return "(a folder of " + std::to_string(FolderNames(File()).size()) + " files)";
        }
        return fs::exists(File()) ? ReadBytes(File()) : "(no file)";
    }

    [[noreturn]] static void Cannot(const std::string& reason) {
        std::printf("This machine cannot inject the fault: %s\n", reason.c_str());
        std::fflush(stdout);
        std::_Exit(kCannotInject);
    }

    void SetUp() {
        const fs::path file = File();
        switch (case_.fault) {
            case Fault::FullDisk:
                break;
            case Fault::ReadOnlyFolder: {
                if (IsCopy()) {
                    fs::remove(file);  // a new copy in a folder that takes none
                } else if (fs::exists(file) &&
                           ::chown(file.c_str(), AsOrdinaryUser::User(), AsOrdinaryUser::Group())) {
                    Cannot("the file cannot be handed to an ordinary user");
                }
                ::chmod(folder_.path().c_str(), 0755);  // the ordinary user reaches it
                if (::chmod(Folder().c_str(), 0555) != 0) {
                    Cannot("the folder's permissions cannot be changed");
                }
                try {
                    AsOrdinaryUser user;
                    std::string probe = (Folder() / "probe.XXXXXX").string();
                    const int made = ::mkstemp(probe.data());
                    if (made >= 0) {
                        ::close(made);
                        ::unlink(probe.c_str());
                        Cannot("this file system lets anyone make files in a read-only folder");
                    }
                } catch (const std::runtime_error& error) {
                    Cannot(error.what());
                }
                break;
            }
            case Fault::ReadOnlyFile:
                ::chmod(file.c_str(), 0444);
                break;
            case Fault::FolderInItsPlace:
                fs::remove(file);
                fs::create_directory(file);
                break;
        }
    }

    // The fault goes away.
    void TakeAway() {
        switch (case_.fault) {
            case Fault::FullDisk:
                break;
            case Fault::ReadOnlyFolder:
                ::chmod(Folder().c_str(), 0755);
                break;
            case Fault::ReadOnlyFile:
                ::chmod(File().c_str(), 0644);
                break;
            case Fault::FolderInItsPlace:
                fs::remove(File());
                break;
        }
    }

    // The command that writes the file; `attempt` 1 is the one after the fault.
    void Command(int attempt) {
        frmSatellite& form = *form_;
        switch (case_.target) {
            case Target::Settings:
                test::Find<ComboBox>(form, "cboLocations")->setText("Harbour");
                test::Find<TextBox>(form, "txtLatitude")->setText("51.5");
                test::Find<TextBox>(form, "txtLongitude")->setText("3.25");
                test::Find<QAction>(form, "mnuLocationDefault")->trigger();
                break;
            case Target::Satellites:
                test::Find<ComboBox>(form, "cboSatName")
                    ->setText(attempt == 0 ? "Fault Bird" : "Later Bird");
                test::Find<ComboBox>(form, "cboSatLong")->setText("45.5");
                test::Find<QAction>(form, "mnuAddSatellite")->trigger();
                break;
            case Target::Locations:
                if (case_.fault == Fault::FolderInItsPlace) {
                    platform_.queueFile(Name());
                    test::Find<QAction>(form, "mnuNewLocFile")->trigger();
                    break;
                }
                test::Find<ComboBox>(form, "cboLocations")->setText("Harbour");
                test::Find<TextBox>(form, "txtLatitude")->setText("51.5");
                test::Find<TextBox>(form, "txtLongitude")->setText("3.25");
                test::Find<QAction>(form, "mnuAddLocation")->trigger();
                break;
            case Target::SatelliteCopy:
                platform_.queueFile(Name());
                test::Find<QAction>(form, "mnuSaveSatFileAs")->trigger();
                break;
            case Target::LocationCopy:
                platform_.queueFile(Name());
                test::Find<QAction>(form, "mnuSaveLocFileAs")->trigger();
                break;
            case Target::LookListPdf:
                platform_.queueFile(Name());
                test::Find<QPushButton>(form, "cmdPrintLookList")->click();
                break;
        }
    }

    std::string FailureText() const {
        const std::string reason = case_.reason;
        const std::string stillCurrent = "\n\rsites.loc is still the current location file.";
        switch (case_.target) {
            case Target::Locations:
                if (case_.fault == Fault::FolderInItsPlace) {
                    return "The location file " + Name() + " could not be opened.\n\r" + reason +
                           stillCurrent;
                }
                return "The location could not be written to sites.loc.\n\r" + reason;
            case Target::LocationCopy:
                return "The file " + Name() + " could not be written.\n\r" + reason + stillCurrent;
            case Target::LookListPdf:
                return "The look list could not be saved.\n\rThe file " + Name() +
                       " could not be written.\n\r" + reason;
            default:
                return "The file " + Name() + " could not be written.\n\r" + reason;
        }
    }

    // Failures are told in boxes with an OK button alone; questions ask before them.
    void ExpectNoFailureSince(std::size_t told) const {
        const auto& messages = platform_.messages();
        for (std::size_t i = told; i < messages.size(); ++i) {
            if (messages[i].buttons == MsgButtons::Ok) {
                EXPECT_EQ(messages[i].text.find("could not"), std::string::npos)
                    << messages[i].text;
            }
        }
    }

    // What the command wrote, read back from the disk.
    void ExpectWritten() const {
        const MainWindowState& s = form_->state();
        switch (case_.target) {
            case Target::Settings: {
                EXPECT_EQ(platform_.lastMessage().text, "Harbour is now your default location.");
                const std::optional<Settings> read = ReadSettingsFile("tarvo.ini");
                ASSERT_TRUE(read);
                EXPECT_EQ(read->DefaultLocName, "Harbour" + std::string(43, ' '));
                EXPECT_EQ(read->DefaultLocLat, 51.5);
                break;
            }
            case Target::Satellites: {
                // The satellite added while the file could not be written stayed in the
                // catalogue and is written with the next change.
                const SatelliteFileRead read = ReadSatelliteFile("sats.sat");
                ASSERT_TRUE(read.ok) << read.failure;
                const bool retried = *case_.reason != '\0';
                EXPECT_EQ(read.table.SatLast(), retried ? 4 : 3);
                int added = 0;
                for (const SatelliteRecord& row : read.table.Rows()) {
                    if (row.SatName == "Fault Bird" + std::string(15, ' ') ||
                        row.SatName == "Later Bird" + std::string(15, ' ')) {
                        EXPECT_EQ(row.SatLong, 45.5);
                        ++added;
                    }
                }
                EXPECT_EQ(added, retried ? 2 : 1);
                break;
            }
            case Target::Locations:
                if (case_.fault == Fault::FolderInItsPlace) {
                    EXPECT_EQ(Bytes(), "");  // a new, empty location file, now current
                    EXPECT_EQ(ReadSettingsFile("tarvo.ini")->LocFileName, Name());
                } else {
                    EXPECT_EQ(ReadBytes(File()),
                              LocationFileBytes({Loc("Depot", 40, 100), Loc("Ridge", 41.5, 99),
                                                 Loc("Harbour", 51.5, 3.25)}));
                }
                break;
            case Target::SatelliteCopy:
                EXPECT_EQ(ReadBytes(File()), ReadBytes(folder_.file("sats.sat")));
                EXPECT_EQ(s.Settings.SatFileName, Name());
                break;
            case Target::LocationCopy:
                EXPECT_EQ(ReadBytes(File()), ReadBytes(folder_.file("sites.loc")));
                EXPECT_EQ(s.Settings.LocFileName, Name());
                break;
            case Target::LookListPdf:
                EXPECT_EQ(ReadBytes(File()).substr(0, 5), "%PDF-");
                break;
        }
    }

    Case case_;
    test::TempFolder folder_;
    PdfPlatform platform_;
    std::unique_ptr<frmSatellite> form_;
};

// Run by the test below in a process of its own; never on its own.
TEST(WindowFaultChild, DISABLED_RunsTheCaseNamedInItsEnvironment) {
    const char* name = std::getenv("TARVO_FAULT_CASE");
    ASSERT_NE(name, nullptr);
    for (const Case& fault : kCases) {
        if (std::string(fault.name) == name) {
            FaultedWindow(fault).Run();
            return;
        }
    }
    FAIL() << "no case " << name;
}

void PrintTo(const Case& fault, std::ostream* out) {
    *out << fault.name;
}

class WindowFault : public ::testing::TestWithParam<Case> {};

TEST_P(WindowFault, KeepsTheFileTellsWhyAndGoesOn) {
    const int status = RunTestProgram("WindowFaultChild.DISABLED_RunsTheCaseNamedInItsEnvironment",
                                      {{"TARVO_FAULT_CASE", GetParam().name}});
    if (status == kCannotInject) {
        GTEST_SKIP() << "this machine cannot inject the fault (the reason is printed above)";
    }
    EXPECT_EQ(status, 0) << "the case failed in its own process: its output is above";
}

INSTANTIATE_TEST_SUITE_P(Files, WindowFault, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tarvo::testing
