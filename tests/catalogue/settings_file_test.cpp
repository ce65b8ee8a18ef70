#include "catalogue/settings_file.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/file_error.h"
#include "catalogue/settings.h"
#include "catalogue/whole_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string kCrLf = "\r\n";

// The default file, line by line as the file format describes it.
std::string DefaultFileBytes() {
    return " 0 " + kCrLf + " 0 " + kCrLf + "" + kCrLf + std::string(50, ' ') + kCrLf + " 0 " +
           kCrLf + " 0 " + kCrLf + "tarvo.sat" + kCrLf + " 1 " + kCrLf + "Arial" + kCrLf + " 14 " +
           kCrLf + " 1000 " + kCrLf + " 400 " + kCrLf + " 100 " + kCrLf + " 9009 " + kCrLf;
}

// 14 lines joined with the given line end, for the reader tests.
std::string Lines(const std::vector<std::string>& lines, const std::string& end = kCrLf) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

std::vector<std::string> GoodLines() {
    return {" .5 ",        "-1.25 ", "C:\\data\\truck.loc", "Home yard", " 100.5 ", " 40 ",
            "my sats.sat", " 0 ",    "Courier New",         " 12 ",      " 900 ",   " 300 ",
            " 50 ",        " 9009 "};
}

void ExpectSameSettings(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.ElOffset, b.ElOffset);
    EXPECT_EQ(a.AzOffset, b.AzOffset);
    EXPECT_EQ(a.LocFileName, b.LocFileName);
    EXPECT_EQ(a.DefaultLocName, b.DefaultLocName);
    EXPECT_EQ(a.DefaultLocLong, b.DefaultLocLong);
    EXPECT_EQ(a.DefaultLocLat, b.DefaultLocLat);
    EXPECT_EQ(a.SatFileName, b.SatFileName);
    EXPECT_EQ(a.SortAlpha, b.SortAlpha);
    EXPECT_EQ(a.PrtFontName, b.PrtFontName);
    EXPECT_EQ(a.PrtFontSize, b.PrtFontSize);
    EXPECT_EQ(a.PrtLeftMargin, b.PrtLeftMargin);
    EXPECT_EQ(a.PrtTopMargin, b.PrtTopMargin);
    EXPECT_EQ(a.PrtLineSpacing, b.PrtLineSpacing);
}

TEST(SettingsFile, DefaultsWriteTheFourteenDefaultLines) {
    const Settings defaults = DefaultSettings();
    EXPECT_EQ(defaults.LocFileName, "");
    EXPECT_EQ(defaults.SatFileName, "tarvo.sat");
    EXPECT_EQ(defaults.DefaultLocName, std::string(50, ' '));
    EXPECT_EQ(SettingsFileText(defaults), DefaultFileBytes());
}

TEST(SettingsFile, NumbersHaveTheirSpacesAndFractionsNoLeadingZero) {
    Settings s = DefaultSettings();
    s.ElOffset = 0.5;
    s.AzOffset = -0.5;
    s.LocFileName = " spaced name.loc ";
    s.DefaultLocName = "Depot";  // short: padded to 50 on writing
    s.DefaultLocLong = 101.25;
    s.DefaultLocLat = -40;
    s.SortAlpha = 0;
    s.PrtLeftMargin = -1;
    s.PrtTopMargin = 32767;
    s.PrtLineSpacing = -32768;
    const std::string expected = " .5 " + kCrLf + "-.5 " + kCrLf + " spaced name.loc " + kCrLf +
                                 "Depot" + std::string(45, ' ') + kCrLf + " 101.25 " + kCrLf +
                                 "-40 " + kCrLf + "tarvo.sat" + kCrLf + " 0 " + kCrLf + "Arial" +
                                 kCrLf + " 14 " + kCrLf + "-1 " + kCrLf + " 32767 " + kCrLf +
                                 "-32768 " + kCrLf + " 9009 " + kCrLf;
    EXPECT_EQ(SettingsFileText(s), expected);

    // A name longer than 50 characters is cut on writing.
    s.DefaultLocName = std::string(49, 'a') + "bc";
    const std::string text = SettingsFileText(s);
    EXPECT_NE(text.find(std::string(49, 'a') + "b\r\n"), std::string::npos);
    EXPECT_EQ(text.find("bc"), std::string::npos);
}

TEST(SettingsFile, ReadsBackWhatItWrites) {
    const auto defaults = ParseSettingsFile(DefaultFileBytes());
    ASSERT_TRUE(defaults.has_value());
    ExpectSameSettings(*defaults, DefaultSettings());

    const auto read = ParseSettingsFile(Lines(GoodLines()));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->ElOffset, 0.5);
    EXPECT_EQ(read->AzOffset, -1.25);
    EXPECT_EQ(read->LocFileName, "C:\\data\\truck.loc");
    EXPECT_EQ(read->DefaultLocName, "Home yard" + std::string(41, ' '));
    EXPECT_EQ(read->DefaultLocLong, 100.5);
    EXPECT_EQ(read->DefaultLocLat, 40);
    EXPECT_EQ(read->SatFileName, "my sats.sat");
    EXPECT_EQ(read->SortAlpha, 0);
    EXPECT_EQ(read->PrtFontName, "Courier New");
    EXPECT_EQ(read->PrtFontSize, 12);
    EXPECT_EQ(read->PrtLeftMargin, 900);
    EXPECT_EQ(read->PrtTopMargin, 300);
    EXPECT_EQ(read->PrtLineSpacing, 50);
    ASSERT_TRUE(ParseSettingsFile(SettingsFileText(*read)).has_value());
    ExpectSameSettings(*ParseSettingsFile(SettingsFileText(*read)), *read);
}

TEST(SettingsFile, ReaderIsTolerant) {
    // Bare LF and bare CR line ends.
    EXPECT_TRUE(ParseSettingsFile(Lines(GoodLines(), "\n")).has_value());
    EXPECT_TRUE(ParseSettingsFile(Lines(GoodLines(), "\r")).has_value());
    // The last line without its line end.
    std::string unterminated = Lines(GoodLines());
    unterminated.resize(unterminated.size() - 2);
    EXPECT_TRUE(ParseSettingsFile(unterminated).has_value());

    std::vector<std::string> lines = GoodLines();
    lines[0] = "offset";    // a word reads as 0
    lines[1] = "   7.5,3";  // a comma ends the number
    lines[4] = "12 34";     // a space ends it too
    lines[9] = "10.5";      // halves go to the even neighbour
    lines[10] = "11.5 junk";
    lines[13] = "9009,extra";
    lines.push_back("a 15th line");
    lines.push_back("and a 16th");
    const auto read = ParseSettingsFile(Lines(lines));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->ElOffset, 0);
    EXPECT_EQ(read->AzOffset, 7.5);
    EXPECT_EQ(read->DefaultLocLong, 12);
    EXPECT_EQ(read->PrtFontSize, 10);
    EXPECT_EQ(read->PrtLeftMargin, 12);

    // A long default location name is cut to 50.
    lines = GoodLines();
    lines[3] = std::string(60, 'n');
    EXPECT_EQ(ParseSettingsFile(Lines(lines))->DefaultLocName, std::string(50, 'n'));
}

TEST(SettingsFile, DamagedFilesReadAsNothing) {
    EXPECT_FALSE(ParseSettingsFile("").has_value());
    std::vector<std::string> thirteen = GoodLines();
    thirteen.pop_back();
    EXPECT_FALSE(ParseSettingsFile(Lines(thirteen)).has_value());
    // An empty 14th line reads as 0, not the end mark.
    EXPECT_FALSE(ParseSettingsFile(Lines(thirteen) + kCrLf).has_value());

    const auto with = [](std::size_t index, const std::string& line) {
        std::vector<std::string> lines = GoodLines();
        lines[index] = line;
        return ParseSettingsFile(Lines(lines));
    };
    EXPECT_FALSE(with(13, " 9008 ").has_value());
    EXPECT_FALSE(with(13, "end").has_value());  // reads as 0
    EXPECT_FALSE(with(13, "").has_value());
    EXPECT_TRUE(with(13, " 9009.4 ").has_value());  // rounds to 9009
    EXPECT_FALSE(with(9, " 32768 ").has_value());   // beyond the 16-bit font size
    EXPECT_FALSE(with(11, "-32769 ").has_value());
    EXPECT_FALSE(with(12, " 32767.5 ").has_value());  // rounds to 32768
    EXPECT_TRUE(with(12, " 32766.5 ").has_value());   // rounds to 32766
    EXPECT_FALSE(with(7, " 1E6 ").has_value());
    EXPECT_FALSE(with(0, " 1E999 ").has_value());  // beyond the double range
}

TEST(SettingsFile, FileOnDisk) {
    TempFolder folder;
    const std::string name = folder.Name("tarvo.ini");
    EXPECT_FALSE(ReadSettingsFile(name).has_value());  // missing

    WriteSettingsFile(DefaultSettings(), name);
    EXPECT_EQ(ReadWholeFile(name), DefaultFileBytes());
    const auto read = ReadSettingsFile(name);
    ASSERT_TRUE(read.has_value());
    ExpectSameSettings(*read, DefaultSettings());

    Settings changed = DefaultSettings();
    changed.PrtFontSize = 9;
    WriteSettingsFile(changed, name);
    EXPECT_EQ(ReadSettingsFile(name)->PrtFontSize, 9);
    const std::string written = ReadWholeFile(name);

    // A line break in any name would shift the lines after it: refused, file kept.
    for (std::string Settings::*text : {&Settings::LocFileName, &Settings::DefaultLocName,
                                        &Settings::SatFileName, &Settings::PrtFontName}) {
        for (const char* lineBreak : {"\r", "\n"}) {
            Settings broken = changed;
            broken.*text = std::string("two") + lineBreak + "lines";
            EXPECT_THROW(WriteSettingsFile(broken, name), FileWriteError);
            EXPECT_EQ(ReadWholeFile(name), written);
        }
    }
}

}  // namespace
}  // namespace tarvo
