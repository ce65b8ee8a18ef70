// "Display Look List": what is drawn into the look-list window, with a font of
// hand-worked widths (fake_font.h), and the main window afterwards.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <string>
#include <vector>

#include "look_list_fixture.h"

namespace tarvo::testing {
namespace {

const FontSpec kTitle{"Arial", 14, true};    // 168 a character, 84 a space, lines 350
const FontSpec kHeading{"Arial", 12, true};  // 144 a character, 72 a space, lines 300
const FontSpec kRow{"Arial", 10, false};     // lines 250

// The three texts of a row at y: name at 0, azimuth at 2952, elevation at 4392.
void AddRow(std::vector<DrawnText>& texts, float y, const std::string& name,
            const std::string& azimuth, const std::string& elevation) {
    texts.push_back({0, y, kRow, name, LineEnd::Stay});
    texts.push_back({2952, y, kRow, azimuth, LineEnd::Stay});
    texts.push_back({4392, y, kRow, elevation, LineEnd::NextLine});
}

using LookListDisplayTest = LookListTest;

TEST_F(LookListDisplayTest, SampleCatalogueLineByLine) {
    StartOnSamples();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    ASSERT_NE(form->LookListWindow(), nullptr);

    // Title "Atlanta, GA": 10 x 168 + 84 = 1764 wide, at 6855 / 2 - 882.
    // Position line: 12 x 144 + 4 x 72 = 2016 wide, at 3427.5 - 1008.
    // Name column: "SES-11/EchoStar 105" (18 x 144 + 72 = 2664) + "__" (288) = 2952.
    // Azimuth column: "888.888___", 10 x 144 = 1440. Rule: 6855 / 144 = 47.6, 46 hyphens.
    std::vector<DrawnText> expected = {
        {2545.5, 0, kTitle, "Atlanta, GA", LineEnd::NextLine},
        {2419.5, 350, kHeading, "84.39W    33.75N", LineEnd::NextLine},
        {0, 650, kHeading, "", LineEnd::NextLine},
        {0, 950, kHeading, "Satellite", LineEnd::Stay},
        {2952, 950, kHeading, "Azimuth", LineEnd::Stay},
        {4392, 950, kHeading, "Elevation", LineEnd::NextLine},
        {0, 1250, kHeading, std::string(46, '-'), LineEnd::NextLine},
    };
    // By name; row 0 (Galaxy 19, marked) only through its catalogue row. The angles from
    // Atlanta worked through the formulas by hand.
    AddRow(expected, 1550, "Anik F2", "222.166", "41.455");
    AddRow(expected, 1800, "Galaxy 19", "201.933", "48.479");
    AddRow(expected, 2050, "SES-1", "208.233", "46.889");
    AddRow(expected, 2300, "SES-11/EchoStar 105", "214.095", "44.955");
    AddRow(expected, 2550, "Telstar 19 VANTAGE", "144.815", "44.542");
    EXPECT_EQ(Drawn(), expected);
    EXPECT_EQ(form->state().NameColWidth, 2952);
    EXPECT_EQ(form->state().NumColWidth, 1440);

    // The main window shows Galaxy 19 again, found by name and recalculated.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Galaxy 19");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "97");
    EXPECT_EQ(Shown(), (Results{"201.933", "48.479", "20072.5"}));
    EXPECT_EQ(form->state().Updating, 0);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(LookListDisplayTest, ArcOrderFollowsTheTable) {
    StartOnSamples();
    test::Find<OptionButton>(*form, "optArc")->click();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    EXPECT_EQ(RowNames(Drawn(), 0, kRow),
              (std::vector<std::string>{"Telstar 19 VANTAGE", "Galaxy 19", "SES-1",
                                        "SES-11/EchoStar 105", "Anik F2"}));
}

TEST_F(LookListDisplayTest, NothingMarkedDrawsTheHeadingAlone) {
    Load("none.sat", "\"Home\"\r\n101\r\n1\r\n\"Home\"\r\n101\r\n0\r\n\"Other\"\r\n80\r\n0\r\n");
    test::WritableState(*form).Settings.SatFileName = "none.sat";
    Enter("101", "100", "40");
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();

    // No location chosen: an empty title at the centre. "__" alone: 288.
    ASSERT_EQ(Drawn().size(), 7u);
    EXPECT_EQ(Drawn()[0], (DrawnText{3427.5, 0, kTitle, "", LineEnd::NextLine}));
    EXPECT_EQ(Drawn()[1].text, "100W    40N");
    EXPECT_EQ(Drawn()[4], (DrawnText{288, 950, kHeading, "Azimuth", LineEnd::Stay}));
    EXPECT_EQ(Drawn()[5], (DrawnText{1728, 950, kHeading, "Elevation", LineEnd::NextLine}));
    EXPECT_EQ(form->state().NameColWidth, 288);
}

TEST_F(LookListDisplayTest, BelowTheHorizonAndFailedRowsAreListed) {
    // From 100 W, 40 N: 180 W is below the horizon; 0 W has no look angles at all.
    Load("mixed.sat",
         "\"Home\"\r\n101\r\n0\r\n\"Far West\"\r\n180\r\n1\r\n\"Home\"\r\n101\r\n1\r\n"
         "\"Nowhere\"\r\n0\r\n1\r\n");
    test::WritableState(*form).Settings.SortAlpha = 0;
    form->LoadSatCombos();
    test::Find<ComboBox>(*form, "cboSatLong")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatLong"), "101"));
    Enter("101", "100", "40");
    form->Calculate();
    ASSERT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));

    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    const std::vector<std::string> lines = form->LookListWindow()->drawing().Lines();
    ASSERT_EQ(lines.size(), 8u);
    // Longitude order: 0, 101, 180. Worked by hand: 180 W gives 263.534, -1.056.
    EXPECT_EQ(lines[5], "Nowhere\t\t");
    EXPECT_EQ(lines[6], "Home\t181.556\t43.712");
    EXPECT_EQ(lines[7], "Far West\t263.534\t-1.056");

    // Home is shown again, although the last row drawn failed.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Home");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "101");
    EXPECT_EQ(Shown(), (Results{"181.556", "43.712", "20249.4"}));
}

TEST_F(LookListDisplayTest, RedrawnOnlyWhenAskedAndOnlyOneWindow) {
    StartOnSamples();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    frmLookList* window = form->LookListWindow();
    const std::vector<DrawnText> before = Drawn();

    // Widening the window changes nothing until the command is given again.
    window->resize(window->width() + 96, window->height());
    EXPECT_EQ(Drawn(), before);

    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    EXPECT_EQ(form->LookListWindow(), window);
    // 6855 + 1440 = 8295 twips: the title moves by 720, the rule grows to 56 hyphens
    // (8295 / 144 = 57.6).
    EXPECT_FLOAT_EQ(Drawn()[0].x, 2545.5f + 720);
    EXPECT_EQ(Drawn()[6].text, std::string(56, '-'));
    EXPECT_EQ(Drawn().size(), before.size());  // cleared, not drawn twice

    // Minimised, the same window comes back with the list drawn anew.
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    EXPECT_EQ(form->LookListWindow(), window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Drawn().size(), before.size());

    // Closed, it comes back new at the next display.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->LookListWindow(), nullptr);
    EXPECT_EQ(form->state().OutDest, nullptr);
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    ASSERT_NE(form->LookListWindow(), nullptr);
    EXPECT_EQ(Drawn(), before);
}

}  // namespace
}  // namespace tarvo::testing
