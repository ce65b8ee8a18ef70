// File names as the file system sees them: the extension a name is given, and whether
// two names are one file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/file_path.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

namespace fs = std::filesystem;

TEST(FilePath, AnExtensionIsAddedOnlyToALastPartWithoutOne) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"Look list", "Look list.pdf"},
        {"/home/crew/Look list", "/home/crew/Look list.pdf"},
        {"list.pdf", "list.pdf"},
        {"list.txt", "list.txt"},                        // the crew's own extension stays
        {"Atlanta 10.5.2024", "Atlanta 10.5.2024"},      // a dot in the name is an extension
        {"old.lists/atlanta", "old.lists/atlanta.pdf"},  // a dot in a folder is not
        {".hidden", ".hidden.pdf"},                      // a leading dot alone is no extension
        {"/tmp/.list.old", "/tmp/.list.old"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithDefaultExtension(c.name, ".pdf"), c.expected) << c.name;
    }
}

TEST(FilePath, NamesAreTheSameFileWhenTheFileSystemResolvesThemAlike) {
    test::TempFolder folder;  // the current directory
    std::ofstream("tarvo.ini") << "settings";
    std::ofstream("tarvo.sat") << "satellites";
    fs::create_directory("sub");
    fs::create_symlink(folder.file("tarvo.ini"), "sub/settings.pdf");
    ASSERT_EQ(::link("tarvo.sat", "hard.pdf"), 0);
    const std::string here = folder.path().string();

    struct Case {
        std::string a, b;
        bool same;
    };
    const Case cases[] = {
        {"tarvo.ini", here + "/tarvo.ini", true},     // relative to the current directory
        {"tarvo.ini", "sub/../tarvo.ini", true},      // through ".."
        {"tarvo.ini", "./sub/./settings.pdf", true},  // a symbolic link
        {"tarvo.sat", here + "/hard.pdf", true},      // a hard link
        {"tarvo.ini", "tarvo.sat", false},
        {"tarvo.ini", "sub/tarvo.ini", false},  // one name there, one not
        {"gone.sat", "sub/../gone.sat", true},  // neither there: resolved alike
        {"gone.sat", "gone.loc", false},
        {"", "", false},  // no name names no file
        {"  ", "tarvo.ini", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " | " << c.b;
        EXPECT_EQ(SameFile(c.b, c.a), c.same) << c.b << " | " << c.a;
    }
}

}  // namespace
}  // namespace tarvo
