#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/qt_platform.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

void Touch(const std::filesystem::path& path) {
    std::ofstream(path) << "x";
}

TEST(FileLookupTest, BothPlatformsFindRegularFilesByTheirStoredNames) {
    test::TempFolder folder;
    Touch(folder.file("Truck.loc"));
    Touch(folder.file(std::filesystem::path(u8"Montr\u00E9al.sat")));
    std::filesystem::create_directory(folder.file("maps"));
    const std::string dir = folder.path().string();

    QtPlatform real;
    ScriptedPlatform scripted;
    for (PlatformServices* platform :
         {static_cast<PlatformServices*>(&real), static_cast<PlatformServices*>(&scripted)}) {
        EXPECT_EQ(platform->lookUpFileName(dir + "/Truck.loc"), "Truck.loc");
        EXPECT_EQ(platform->lookUpFileName("Truck.loc"), "Truck.loc");  // in the current folder
        // Program text is Windows-1252; the name on disk is UTF-8.
        EXPECT_EQ(platform->lookUpFileName(dir + "/Montr\xE9"
                                                 "al.sat"),
                  "Montr\xE9"
                  "al.sat");
        // Another case never comes back as found under the name asked for.
        EXPECT_NE(platform->lookUpFileName(dir + "/truck.loc"), "truck.loc");
        EXPECT_EQ(platform->lookUpFileName(dir + "/maps"), "");  // a folder is no file
        EXPECT_EQ(platform->lookUpFileName(dir + "/missing.loc"), "");
        EXPECT_EQ(platform->lookUpFileName(dir + "/maps/Truck.loc"), "");
        EXPECT_EQ(platform->lookUpFileName(""), "");
    }
}

TEST(FileLookupTest, CurrentDirectoryIsTheProcesssOwn) {
    test::TempFolder folder;
    QtPlatform real;
    ScriptedPlatform scripted;
    EXPECT_EQ(real.currentDirectory(), folder.path().string());
    EXPECT_EQ(scripted.currentDirectory(), folder.path().string());
    scripted.setCurrentDirectory("/trucks/sng");
    EXPECT_EQ(scripted.currentDirectory(), "/trucks/sng");
}

}  // namespace
}  // namespace tarvo
