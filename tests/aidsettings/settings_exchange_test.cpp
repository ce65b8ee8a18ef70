#include "aidsettings/settings_exchange.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <map>
#include <string>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

using test::TempFolder;
using test::WriteBytes;

// One entry of a name-keyed list in these tests: a height per place.
void Height(SettingsExchange& io, int& height) {
    io.Integer("Height", height, 0, 90);
}

std::map<std::string, int> ReadHeights(const std::string& path) {
    QSettings file(QString::fromStdString(path), QSettings::IniFormat);
    SettingsExchange io(file, SettingsExchange::Direction::Read);
    std::map<std::string, int> heights{{"default", 1}};
    io.Group("Places", [&] { io.Named("Heights", heights, Height); });
    return heights;
}

TEST(SettingsExchange, NamesOfAnyTextGoThereAndBack) {
    TempFolder folder;
    const std::string path = folder.Name("named.ini");
    // Commas and slashes (QSettings' list and group marks), an INI key's "=", quotes,
    // spaces at the ends, letters beyond ASCII.
    std::map<std::string, int> heights{
        {"Atlanta, GA", 12},       {"M\xc3\xa4nts\xc3\xa4l\xc3\xa4", 5},
        {"Z\xc3\xbcrich/Nord", 7}, {"a=b;c #d", 9},
        {"\"quoted\"", 3},         {"  spaced  ", 0},
        {"back\\slash", 90},
    };
    {
        QSettings file(QString::fromStdString(path), QSettings::IniFormat);
        SettingsExchange io(file, SettingsExchange::Direction::Write);
        io.Group("Places", [&] { io.Named("Heights", heights, Height); });
    }
    EXPECT_EQ(ReadHeights(path), heights);
}

TEST(SettingsExchange, NamedListsWrittenByHand) {
    struct Case {
        const char* file;
        std::map<std::string, int> expected;
    };
    const Case cases[] = {
        // No list in the file: the defaults stay.
        {"[Places]\n", {{"default", 1}}},
        // An empty list replaces them.
        {"[Places]\nHeights\\size=0\n", {}},
        // A size that does not read: the numbered entries present count.
        {"[Places]\nHeights\\1\\Name=\xc3\x85re\nHeights\\1\\Height=3\nHeights\\size=many\n",
         {{"\xc3\x85re", 3}}},
        // A size beyond the entries present.
        {"[Places]\nHeights\\1\\Name=A\nHeights\\1\\Height=3\nHeights\\size=2000000000\n",
         {{"A", 3}}},
        // A name written without quotes around its comma; a damaged height keeps 0;
        // an entry without a name is left out; of two of one name the first counts.
        {"[Places]\nHeights\\size=4\nHeights\\1\\Name=Atlanta, GA\nHeights\\1\\Height=high\n"
         "Heights\\2\\Height=4\nHeights\\3\\Name=B\nHeights\\3\\Height=8\n"
         "Heights\\4\\Name=B\nHeights\\4\\Height=9\n",
         {{"Atlanta, GA", 0}, {"B", 8}}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        WriteBytes(folder.file("named.ini"), c.file);
        EXPECT_EQ(ReadHeights(folder.Name("named.ini")), c.expected) << c.file;
    }
}

TEST(SettingsExchange, NumbersReadOnlyWhenWholeAndInRange) {
    struct Case {
        const char* stored;
        double expected;  // the default 1.5 when it does not read
    };
    const Case cases[] = {
        {"2.25", 2.25}, {" -3 ", -3}, {"1e1", 10}, {"10.5", 1.5},  // above the range
        {"2,5", 1.5},  // a comma is no decimal mark here: it makes a list of two
        {"nan", 1.5},   {"inf", 1.5}, {"", 1.5},   {"3 m", 1.5},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        WriteBytes(folder.file("n.ini"), std::string("[Dish]\nSize=") + c.stored + "\n");
        QSettings file(QString::fromStdString(folder.Name("n.ini")), QSettings::IniFormat);
        SettingsExchange io(file, SettingsExchange::Direction::Read);
        double size = 1.5;
        io.Group("Dish", [&] { io.Number("Size", size, -10, 10); });
        EXPECT_EQ(size, c.expected) << c.stored;
    }
}

}  // namespace
}  // namespace tarvo
