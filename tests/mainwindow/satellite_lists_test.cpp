#include <filesystem>
#include <string>
#include <vector>

#include "satellite_fixture.h"

namespace tarvo::testing {
namespace {

using SatelliteListsTest = SatelliteFormTest;

// Line `n` (from 1) of the settings file in the working folder.
std::string SettingsLine(const test::TempFolder& folder, int n) {
    const std::string bytes = ReadBytes(folder.file("tarvo.ini"));
    std::size_t start = 0;
    for (int line = 1; line < n; ++line) {
        start = bytes.find("\r\n", start) + 2;
    }
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

TEST_F(SatelliteListsTest, CapitalsSortFirstButTheSearchIgnoresCase) {
    Load("case.sat",
         "\"Def\",101,0\r\n"
         "\"abc\",100,0\r\n"
         "\"ABD\",102,1\r\n"
         "\"SAT\",95,0\r\n"
         "\"Sat\",90,1\r\n");
    // By longitude: Sat 90, SAT 95, abc 100, ABD 102 are rows 1 to 4.
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"90", "95", "100", "102"}));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"ABD", "SAT", "Sat", "abc"}));
    EXPECT_EQ(form->state().SatOrder, (std::vector<std::int16_t>{0, 4, 2, 1, 3}));

    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "abc"));
    EXPECT_EQ(form->state().CurSat, 3);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "100");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);

    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "ABD"));
    EXPECT_EQ(form->state().CurSat, 4);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "102");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);

    // SAT and Sat differ only in case: either entry finds the lower row, Sat at 90.
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "SAT"));
    EXPECT_EQ(form->state().CurSat, 1);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Sat");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "90");

    // In orbital order the names follow the longitudes.
    test::WritableState(*form).Settings.SortAlpha = 0;
    form->LoadSatCombos();
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Sat", "SAT", "abc", "ABD"}));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"90", "95", "100", "102"}));
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteListsTest, EqualLongitudesKeepTheirFileOrder) {
    test::WritableState(*form).Settings.SortAlpha = 0;
    Load("equal.sat",
         "\"Def\",101,0\r\n"
         "\"First\",99,1\r\n"
         "\"Second\",99,0\r\n"
         "\"Third\",98,0\r\n");
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"98", "99", "99"}));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Third", "First", "Second"}));

    // Either 99 entry selects the lower row, First.
    test::Find<ComboBox>(*form, "cboSatLong")->choose(2);
    EXPECT_EQ(form->state().CurSat, 2);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "First");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);

    // A name chosen after it selects its own row.
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Second"));
    EXPECT_EQ(form->state().CurSat, 3);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "99");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
}

TEST_F(SatelliteListsTest, ChoosingSelectsInTheOtherListMarksAndRecalculates) {
    Load("pair.sat",
         "\"Def\",50,0\r\n"
         "\"Sat101\",101,2\r\n"
         "\"Sat99\",99,0\r\n");
    test::Find<TextBox>(*form, "txtLongitude")->setText("100");
    test::Find<TextBox>(*form, "txtLatitude")->setText("40");
    std::vector<int> updatingAtCheckBoxClick;
    test::Find<CheckBox>(*form, "chkLookList")->onClick([this, &updatingAtCheckBoxClick] {
        updatingAtCheckBoxClick.push_back(form->state().Updating);
    });

    // A mark of 2 ticks the box.
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Sat101"));
    EXPECT_EQ(form->state().CurSat, 2);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Sat101");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "101");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));

    test::Find<ComboBox>(*form, "cboSatLong")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatLong"), "99"));
    EXPECT_EQ(form->state().CurSat, 1);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Sat99");
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
    // 1 degree east of due south instead of west: 180 - 1.556.
    EXPECT_EQ(Shown(), (Results{"178.444", "43.712", "20249.4"}));

    // The box changed twice, each time as the program's own write.
    EXPECT_EQ(updatingAtCheckBoxClick, (std::vector<int>{-1, -1}));
    EXPECT_EQ(form->state().Updating, 0);

    // Typing into a list's edit field chooses nothing.
    test::Find<ComboBox>(*form, "cboSatName")->setText("Sat101");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("101");
    EXPECT_EQ(form->state().CurSat, 1);
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteListsTest, PositionsThatMatchNoRow) {
    Load("near.sat",
         "\"Def\",101,0\r\n"
         "\"Near\",100.1234567890123456,1\r\n"
         "\"Other\",90,0\r\n");
    // Sixteen digits are listed rounded to fifteen.
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"90", "100.123456789012"}));

    test::Find<ComboBox>(*form, "cboSatLong")->choose(0);
    ASSERT_EQ(form->state().CurSat, 1);
    ASSERT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Other");

    // The rounded entry is not the row's position: the name empties, the rest stays.
    test::Find<ComboBox>(*form, "cboSatLong")->choose(1);
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "100.123456789012");
    EXPECT_EQ(form->state().CurSat, 1);
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 0);

    // A position beyond the range of a double matches nothing either.
    test::Find<ComboBox>(*form, "cboSatName")->setText("Other");
    test::Find<ComboBox>(*form, "cboSatLong")->setText("1E999");
    form->cboSatLong_Click();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(form->state().CurSat, 1);
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteListsTest, NameThatNoLongerMatchesEmptiesThePosition) {
    Load("two.sat",
         "\"Def\",101,0\r\n"
         "\"Alpha\",80,1\r\n"
         "\"Beta\",90,0\r\n");
    test::Find<TextBox>(*form, "txtLongitude")->setText("100");
    test::Find<TextBox>(*form, "txtLatitude")->setText("40");
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Alpha"));
    ASSERT_EQ(form->state().CurSat, 1);
    ASSERT_NE(Shown().azimuth, "");

    // Beta renamed in the table without a rebuild: its entry no longer finds a row.
    test::WritableState(*form).SatelliteTable.SetRow(2, SatelliteRecord{"Gamma", 90, 0});
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Beta"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Beta");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(form->state().CurSat, 1);
    EXPECT_EQ(test::Find<CheckBox>(*form, "chkLookList")->value(), 1);
    EXPECT_EQ(Shown(), (Results{"", "", ""}));  // no position, no result
}

TEST_F(SatelliteListsTest, OrderOptionsSaveTheOrderRebuildAndCalculateTheCurrentSatellite) {
    Load("good.sat",
         "\"Default sat\",101,1\r\n"
         "\"Zeta\",99,0\r\n"
         "\"alpha\",72.5,1\r\n"
         "\"Mid\",101,0\r\n");
    ShowOrderOption();
    EXPECT_FALSE(std::filesystem::exists(folder.file("tarvo.ini")));
    test::Find<TextBox>(*form, "txtLongitude")->setText("100");
    test::Find<TextBox>(*form, "txtLatitude")->setText("40");
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Zeta"));
    ASSERT_EQ(form->state().CurSat, 2);
    // Another position typed and calculated: 101 W, the worked example 181.556.
    test::Find<ComboBox>(*form, "cboSatLong")->setText("101");
    form->Calculate();
    ASSERT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));

    test::Find<OptionButton>(*form, "optArc")->userClick();
    EXPECT_EQ(form->state().Settings.SortAlpha, 0);
    EXPECT_EQ(SettingsLine(folder, 8), " 0 ");
    EXPECT_EQ(SettingsLine(folder, 14), " 9009 ");
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"alpha", "Zeta", "Mid"}));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatLong")),
              (std::vector<std::string>{"72.5", "99", "101"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(),
              Stored("Zeta"));  // as stored, 25 characters
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "99");
    // The results follow the boxes: Zeta at 99 W from 40 N, 100 W, the worked example.
    EXPECT_EQ(Shown(), (Results{"178.444", "43.712", "20249.4"}));

    test::Find<OptionButton>(*form, "optAlpha")->userClick();
    EXPECT_EQ(form->state().Settings.SortAlpha, 1);
    EXPECT_EQ(SettingsLine(folder, 8), " 1 ");
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Mid", "Zeta", "alpha"}));
    EXPECT_EQ(form->state().SatOrder, (std::vector<std::int16_t>{0, 3, 2, 1}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), Stored("Zeta"));
    EXPECT_EQ(Shown(), (Results{"178.444", "43.712", "20249.4"}));
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(boundary.failures.empty());
}

TEST_F(SatelliteListsTest, OrderOptionsDoNothingWhileUpdating) {
    Load("good.sat",
         "\"Default sat\",101,1\r\n"
         "\"Zeta\",99,0\r\n"
         "\"alpha\",72.5,1\r\n");
    ShowOrderOption();
    test::Find<ComboBox>(*form, "cboSatName")->setText("typed");

    test::WritableState(*form).Updating = -1;
    test::Find<OptionButton>(*form, "optArc")->setValue(true);
    test::Find<OptionButton>(*form, "optAlpha")->userClick();
    test::Find<OptionButton>(*form, "optArc")->userClick();
    test::WritableState(*form).Updating = 0;

    EXPECT_EQ(form->state().Settings.SortAlpha, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("tarvo.ini")));
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Zeta", "alpha"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "typed");
}

// An order the settings file does not take is not used: the option goes back, and the
// lists, the boxes and the settings stay what they were.
TEST_F(SatelliteListsTest, AnOrderThatCannotBeSavedIsNotUsed) {
    Load("good.sat",
         "\"Default sat\",101,1\r\n"
         "\"Zeta\",99,0\r\n"
         "\"alpha\",72.5,1\r\n");
    ShowOrderOption();
    std::filesystem::create_directory(folder.file("tarvo.ini"));

    test::Find<OptionButton>(*form, "optArc")->userClick();

    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "The file tarvo.ini could not be written.\x0A\x0DIs a directory");
    EXPECT_EQ(form->state().Settings.SortAlpha, 1);
    EXPECT_TRUE(test::Find<OptionButton>(*form, "optAlpha")->value());
    EXPECT_FALSE(test::Find<OptionButton>(*form, "optArc")->value());
    EXPECT_EQ(Entries(test::Find<ComboBox>(*form, "cboSatName")),
              (std::vector<std::string>{"Zeta", "alpha"}));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "");
    EXPECT_EQ(form->state().Updating, 0);
    EXPECT_TRUE(boundary.failures.empty());
}

}  // namespace
}  // namespace tarvo::testing
