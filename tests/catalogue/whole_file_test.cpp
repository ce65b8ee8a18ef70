#include "catalogue/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "catalogue/file_error.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

namespace fs = std::filesystem;

int FilesIn(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(WholeFile, WritesReplacesAndKeepsPermissions) {
    TempFolder folder;
    const std::string name = folder.Name("data.txt");
    WriteWholeFile(name, "first\r\n");
    EXPECT_EQ(ReadBytes(name), "first\r\n");
    EXPECT_EQ(ReadWholeFile(name), "first\r\n");

    ASSERT_EQ(::chmod(name.c_str(), 0640), 0);
    WriteWholeFile(name, "second");
    EXPECT_EQ(ReadBytes(name), "second");
    EXPECT_EQ(ModeOf(name), 0640u);
    EXPECT_EQ(FilesIn(folder.path()), 1);  // no temporary file left over

    WriteWholeFile(name, "");
    EXPECT_EQ(ReadWholeFile(name), "");
}

TEST(WholeFile, ALinkKeepsPointingAtTheReplacedFile) {
    TempFolder folder;
    fs::create_directory(folder.path() / "real");
    WriteBytes(folder.path() / "real" / "data.txt", "old");
    fs::create_symlink("real/data.txt", folder.path() / "link.txt");

    WriteWholeFile(folder.Name("link.txt"), "new");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.txt"));
    EXPECT_EQ(ReadBytes(folder.path() / "real" / "data.txt"), "new");
}

TEST(WholeFile, NamesAreProgramText) {
    TempFolder folder;
    // 0xD6 is the capital O with diaeresis in Windows-1252; on disk it is UTF-8.
    WriteWholeFile(folder.Name("\xD6resund.ini"), "x");
    EXPECT_TRUE(fs::exists(folder.path() / fs::path(u8"\u00D6resund.ini")));
    EXPECT_EQ(ReadWholeFile(folder.Name("\xD6resund.ini")), "x");
}

TEST(WholeFile, FailedWriteLeavesTheOldFile) {
    TempFolder folder;
    const std::string blocker = folder.Name("plain.txt");
    WriteBytes(blocker, "keep me");
    // A file cannot be a folder: this fails even for root.
    try {
        WriteWholeFile(blocker + "/inner.txt", "lost");
        ADD_FAILURE() << "writing below a plain file succeeded";
    } catch (const FileWriteError& error) {
        EXPECT_STREQ(error.what(), "Not a directory");
    }
    EXPECT_EQ(ReadBytes(blocker), "keep me");

    // A folder cannot be replaced by a file.
    fs::create_directory(folder.path() / "sub");
    EXPECT_THROW(WriteWholeFile(folder.Name("sub"), "x"), FileWriteError);
    EXPECT_TRUE(fs::is_directory(folder.path() / "sub"));
    EXPECT_THROW(WriteWholeFile("", "x"), FileWriteError);
    EXPECT_EQ(FilesIn(folder.path()), 2);
}

TEST(WholeFile, RefusesReadOnlyFileAndFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root ignores permission bits; the failure above covers the rest";
    }
    TempFolder folder;
    const std::string name = folder.Name("locked.txt");
    WriteBytes(name, "old");
    ASSERT_EQ(::chmod(name.c_str(), 0444), 0);
    try {
        WriteWholeFile(name, "new");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const FileWriteError& error) {
        EXPECT_STREQ(error.what(), "Permission denied");
    }
    EXPECT_EQ(ReadBytes(name), "old");

    ASSERT_EQ(::chmod(name.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    EXPECT_THROW(WriteWholeFile(name, "new"), FileWriteError);
    EXPECT_EQ(ReadBytes(name), "old");
    EXPECT_EQ(FilesIn(folder.path()), 1);
}

TEST(WholeFile, ReadFailuresNameTheReason) {
    TempFolder folder;
    try {
        ReadWholeFile(folder.Name("missing.txt"));
        ADD_FAILURE() << "a missing file was read";
    } catch (const FileOpenError& error) {
        EXPECT_STREQ(error.what(), "No such file or directory");
    }
    try {
        ReadWholeFile(folder.path().string());
        ADD_FAILURE() << "a folder was read";
    } catch (const FileOpenError& error) {
        EXPECT_STREQ(error.what(), "Is a directory");
    }
    EXPECT_THROW(ReadWholeFile(""), FileOpenError);
}

}  // namespace
}  // namespace tarvo
