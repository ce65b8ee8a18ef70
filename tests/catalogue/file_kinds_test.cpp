// Only plain files are data files: a folder, a device or a pipe under a data file's
// name is refused by every reader with a reason, without blocking on the pipe, and a
// name of blanks only names no file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "catalogue/file_error.h"
#include "catalogue/location_file.h"
#include "catalogue/satellite_file.h"
#include "catalogue/settings_file.h"
#include "catalogue/whole_file.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

namespace fs = std::filesystem;

struct Kind {
    const char* what;
    std::function<std::string(const test::TempFolder&)> make;  // the name to read
    const char* reason;
};

const Kind kKinds[] = {
    {"folder",
     [](const test::TempFolder& folder) {
         fs::create_directory(folder.file("data"));
         return folder.file("data").string();
     },
     "Is a directory"},
    {"pipe",
     [](const test::TempFolder& folder) {
         EXPECT_EQ(::mkfifo(folder.file("pipe").c_str(), 0644), 0);
         return folder.file("pipe").string();
     },
     "Not a regular file"},
    {"device", [](const test::TempFolder&) { return std::string("/dev/null"); },
     "Not a regular file"},
    {"blank name", [](const test::TempFolder&) { return std::string("  \t "); },
     "No such file or directory"},
};

TEST(FileKinds, EveryReaderRefusesWhatIsNotAPlainFile) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.what);
        test::TempFolder folder;
        const std::string name = kind.make(folder);

        try {
            ReadWholeFile(name);
            ADD_FAILURE() << "read as a file";
        } catch (const FileOpenError& error) {
            EXPECT_STREQ(error.what(), kind.reason);
        }

        const SatelliteFileRead satellites = ReadSatelliteFile(name);
        EXPECT_FALSE(satellites.ok);
        EXPECT_EQ(satellites.failure, kind.reason);
        EXPECT_TRUE(satellites.table.Empty());

        try {
            LocationFile file(name);
            ADD_FAILURE() << "opened as a location file";
        } catch (const FileOpenError& error) {
            EXPECT_STREQ(error.what(), kind.reason);
        }
        EXPECT_FALSE(fs::exists(folder.file("  \t ")));  // no file made of a blank name
    }
}

TEST(FileKinds, SettingsThatCannotBeReadAreAFailureAndMissingOnesAreNot) {
    test::TempFolder folder;
    EXPECT_FALSE(ReadSettingsFile(folder.file("tarvo.ini").string()).has_value());
    EXPECT_FALSE(ReadSettingsFile("   ").has_value());  // no name: no file

    fs::create_directory(folder.file("tarvo.ini"));
    EXPECT_THROW(ReadSettingsFile(folder.file("tarvo.ini").string()), FileOpenError);
    ASSERT_EQ(::mkfifo(folder.file("fifo.ini").c_str(), 0644), 0);
    EXPECT_THROW(ReadSettingsFile(folder.file("fifo.ini").string()), FileOpenError);
}

TEST(FileKinds, NothingIsWrittenOverAPipe) {
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0644), 0);
    try {
        WriteWholeFile(folder.file("pipe").string(), "x");
        ADD_FAILURE() << "a pipe was replaced";
    } catch (const FileWriteError& error) {
        EXPECT_STREQ(error.what(), "Not a regular file");
    }
    EXPECT_TRUE(fs::is_fifo(folder.file("pipe")));
    EXPECT_THROW(WriteWholeFile(" ", "x"), FileWriteError);
    EXPECT_FALSE(fs::exists(folder.file(" ")));
}

}  // namespace
}  // namespace tarvo
