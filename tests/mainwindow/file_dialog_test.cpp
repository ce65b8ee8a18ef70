#include "mainwindow/file_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data_files.h"
#include "mainwindow/main_window_state.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using Kind = FileDialogRequest::Kind;

class FileDialogTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    ScriptedPlatform platform;
    MainWindowState state;
};

// Every command sets the dialog up the same way; the name field offers the path taken
// last by any of them, and only a path taken (not a cancel, not a refusal) replaces it.
TEST_F(FileDialogTest, NameFieldOffersThePathTakenLast) {
    const std::string sites = folder.file("sites.loc").string();
    const std::string birds = folder.file("birds.sat").string();
    platform.queueFile(sites);
    platform.queueFileCancel();
    platform.queueFile(birds);
    platform.queueFile(FileChoice{"/home/M????a/a.loc", "a.loc", false});
    platform.queueAnswer(MsgAnswer::Ok);
    platform.queueFile(sites);

    EXPECT_TRUE(ChooseFile(platform, state, Kind::Open, kLocationFileFilter));
    EXPECT_FALSE(ChooseFile(platform, state, Kind::Save, kSatelliteFileFilter));
    EXPECT_TRUE(ChooseFile(platform, state, Kind::Save, kSatelliteFileFilter));
    EXPECT_FALSE(ChooseFile(platform, state, Kind::Open, kLocationFileFilter));
    EXPECT_TRUE(ChooseFile(platform, state, Kind::Open, kLocationFileFilter));

    const auto& requests = platform.fileRequests();
    ASSERT_EQ(requests.size(), 5u);
    const struct {
        Kind kind;
        std::string filter;
        std::string offered;
    } expected[] = {
        {Kind::Open, "Location Files (*.loc)|*.loc|All Files (*.*)|*.*", ""},
        {Kind::Save, "Satellite Files (*.sat)|*.sat|All Files (*.*)|*.*", sites},
        {Kind::Save, "Satellite Files (*.sat)|*.sat|All Files (*.*)|*.*", sites},
        {Kind::Open, "Location Files (*.loc)|*.loc|All Files (*.*)|*.*", birds},
        {Kind::Open, "Location Files (*.loc)|*.loc|All Files (*.*)|*.*", birds},
    };
    for (std::size_t i = 0; i < requests.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(requests[i].kind, expected[i].kind);
        EXPECT_EQ(requests[i].filter, expected[i].filter);
        EXPECT_EQ(requests[i].filterIndex, 1);
        EXPECT_EQ(requests[i].fileName, expected[i].offered);
    }
    EXPECT_EQ(state.DialogFileName, sites);
    EXPECT_EQ(platform.unscriptedCount(), 0);
    EXPECT_EQ(platform.pendingCount(), 0u);
}

// A path the program's 8-bit files cannot hold is refused where it comes in.
TEST_F(FileDialogTest, PathOutsideTheCodePageIsRefused) {
    platform.queueFile(FileChoice{"/home/M?????a/sites.loc", "sites.loc", false});
    platform.queueAnswer(MsgAnswer::Ok);
    EXPECT_FALSE(ChooseFile(platform, state, Kind::Open, kLocationFileFilter));
    ASSERT_EQ(platform.messages().size(), 1u);
    const auto& message = platform.lastMessage();
    EXPECT_EQ(message.text.rfind("/home/M?????a/sites.loc\n\r", 0), 0u) << message.text;
    EXPECT_NE(message.text.find("Western European"), std::string::npos);
    EXPECT_EQ(message.buttons, MsgButtons::Ok);
    EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    EXPECT_EQ(message.title, "SNG Tarvo");
    EXPECT_EQ(state.DialogFileName, "");
}

// The chosen file exists only when the name stored on disk is the chosen title exactly.
TEST_F(FileDialogTest, ExistenceTest) {
    testing::WriteBytes(folder.file("Sites.loc"), "");
    std::filesystem::create_directory(folder.file("folder.loc"));
    const std::string sites = folder.file("Sites.loc").string();
    const struct {
        std::string path, title;
        bool exists;
    } cases[] = {
        {sites, "Sites.loc", true},
        {sites, "sites.loc", false},  // the title in another case than the stored name
        {folder.file("sites.loc").string(), "sites.loc", false},  // no such file
        {folder.file("folder.loc").string(), "folder.loc", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChosenFileExists(platform, c.path, c.title), c.exists)
            << c.path << " " << c.title;
        platform.queueFile(FileChoice{c.path, c.title});
        const auto chosen = ChooseFile(platform, state, Kind::Open, kLocationFileFilter);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->path, c.path);
        EXPECT_EQ(chosen->fileTitle, c.title);
        EXPECT_EQ(chosen->exists, c.exists) << c.path << " " << c.title;
    }
}

}  // namespace
}  // namespace tarvo
