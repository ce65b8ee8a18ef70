#include "catalogue/whole_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
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

TEST(WholeFile, ReadsToTheEndWhateverTheLengthSays) {
    TempFolder folder;
    // Longer than any one read: 200,000 bytes cycling through the 256 byte values.
    std::string big(200000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>(i % 256);
    }
    const std::string name = folder.Name("big.sat");
    WriteBytes(name, big);
    EXPECT_EQ(ReadWholeFile(name), big);

    // A regular file whose length reads as 0 although it has text (the system's
    // report on this process): read on to its real end.
    const std::string status = ReadWholeFile("/proc/self/status");
    EXPECT_EQ(status.rfind("Name:", 0), 0u);
    EXPECT_NE(status.find("\nPid:"), std::string::npos);
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

// The permission bits decide, also for root, whom the system would let through.
TEST(WholeFile, RefusesAReadOnlyFile) {
    TempFolder folder;
    const std::string name = folder.Name("locked.txt");
    WriteBytes(name, "old");
    for (const mode_t readOnly : {0444, 0400, 0000}) {
        SCOPED_TRACE(readOnly);
        ASSERT_EQ(::chmod(name.c_str(), readOnly), 0);
        try {
            WriteWholeFile(name, "new");
            ADD_FAILURE() << "a read-only file was replaced";
        } catch (const FileWriteError& error) {
            EXPECT_STREQ(error.what(), "Permission denied");
        }
        ASSERT_EQ(::chmod(name.c_str(), 0644), 0);
        EXPECT_EQ(ReadBytes(name), "old");
        EXPECT_EQ(FilesIn(folder.path()), 1);
    }
}

// Makes a folder refuse new files for as long as it lives: read-only for an ordinary
// user; immutable for root, who may create files in a read-only folder.
class NoNewFiles {
  public:
    explicit NoNewFiles(const fs::path& folder) : folder_(folder) {
        if (::geteuid() != 0) {
            ok_ = ::chmod(folder_.c_str(), 0555) == 0;
            return;
        }
        fd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        ok_ = fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0 &&
              (flags |= FS_IMMUTABLE_FL, ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0);
    }
    ~NoNewFiles() {
        if (fd_ >= 0) {
            int flags = 0;
            if (::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
            }
            ::close(fd_);
        } else {
            ::chmod(folder_.c_str(), 0755);
        }
    }
    NoNewFiles(const NoNewFiles&) = delete;
    NoNewFiles& operator=(const NoNewFiles&) = delete;
    bool ok() const { return ok_; }

  private:
    fs::path folder_;
    int fd_ = -1;
    bool ok_ = false;
};

TEST(WholeFile, AWritableFileInAFolderThatTakesNoNewFileIsRewrittenInPlace) {
    TempFolder folder;
    const std::string name = folder.Name("tarvo.ini");
    WriteBytes(name, "the old, longer contents");
    ASSERT_EQ(::chmod(name.c_str(), 0640), 0);
    {
        NoNewFiles locked(folder.path());
        if (!locked.ok()) {
            GTEST_SKIP() << "this system lets the test make no folder that refuses new files";
        }
        ASSERT_LT(::mkstemp(std::string(folder.Name("probe.XXXXXX")).data()), 0);

        WriteWholeFile(name, "new");
        EXPECT_EQ(ReadBytes(name), "new");  // the rest of the old bytes cut off
        WriteWholeFile(name, "grown to more bytes than before");
        EXPECT_EQ(ReadBytes(name), "grown to more bytes than before");
        EXPECT_EQ(ModeOf(name), 0640u);
        EXPECT_EQ(FilesIn(folder.path()), 1);

        // A file that is not there cannot be made in such a folder.
        EXPECT_THROW(WriteWholeFile(folder.Name("new.sat"), "x"), FileWriteError);
    }
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

TEST(WholeFile, CopyMakesAWholeCopyOrNone) {
    TempFolder folder;
    // Two location records: binary bytes, 0xFF and zeros included.
    const std::string bytes = std::string("\xFF") + std::string(49, ' ') + std::string(16, '\0') +
                              "Depot" + std::string(45, ' ') + std::string(16, '\x01');
    const std::string source = folder.Name("sites.loc");
    WriteBytes(source, bytes);

    CopyWholeFile(source, folder.Name("copy.loc"));
    EXPECT_EQ(ReadBytes(folder.Name("copy.loc")), bytes);
    EXPECT_EQ(ReadBytes(source), bytes);

    // An existing target is replaced whole.
    WriteBytes(folder.Name("old.loc"), std::string(660, 'x'));
    CopyWholeFile(source, folder.Name("old.loc"));
    EXPECT_EQ(ReadBytes(folder.Name("old.loc")), bytes);
    EXPECT_EQ(FilesIn(folder.path()), 3);

    // A source that cannot be read leaves the target alone.
    try {
        CopyWholeFile(folder.Name("missing.loc"), folder.Name("old.loc"));
        ADD_FAILURE() << "a missing file was copied";
    } catch (const FileOpenError& error) {
        EXPECT_STREQ(error.what(), "No such file or directory");
    }
    EXPECT_EQ(ReadBytes(folder.Name("old.loc")), bytes);

    // A target that cannot be written: a folder, or a folder that is not there.
    fs::create_directory(folder.path() / "sub.loc");
    EXPECT_THROW(CopyWholeFile(source, folder.Name("sub.loc")), FileWriteError);
    try {
        CopyWholeFile(source, folder.Name("nowhere/copy.loc"));
        ADD_FAILURE() << "a copy went into a missing folder";
    } catch (const FileWriteError& error) {
        EXPECT_STREQ(error.what(), "No such file or directory");
    }
    EXPECT_EQ(FilesIn(folder.path()), 4);  // no part-copy left behind
    EXPECT_EQ(ReadBytes(source), bytes);
}

}  // namespace
}  // namespace tarvo
