// The layout arithmetic of the look list, with a font of hand-worked widths.

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "fake_font.h"
#include "looklist/cached_text_measure.h"
#include "looklist/look_list_layout.h"
#include "looklist/recording_destination.h"

namespace tarvo::testing {
namespace {

SatelliteRecord Sat(const std::string& name, double longitude, std::int16_t mark) {
    SatelliteRecord record;
    record.SatName = name + std::string(25 - name.size(), ' ');
    record.SatLong = longitude;
    record.SatLook = mark;
    return record;
}

TEST(LookListLayout, RoundingAndLimitsOfPositions) {
    struct Case {
        double value;
        std::int16_t expected;
    };
    const std::vector<Case> cases = {
        {10.5, 10},
        {11.5, 12},
        {-2.5, -2},
        {2952.49, 2952},
        {1267.97, 1268},
        {40000, 32767},
        {-40000, -32768},
        {std::numeric_limits<double>::infinity(), 32767},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayoutInt16(c.value), c.expected) << c.value;
    }
    // Sums are exact and then limited: a huge margin never fails.
    EXPECT_EQ(Sum16(1000, 2870, 1400), 5270);
    EXPECT_EQ(Sum16(32767, 2870), 32767);
    EXPECT_EQ(Sum16(-32768, -1), -32768);
    // One and a half and one and a quarter times a printer size (7 gives 10 and 8).
    EXPECT_EQ(IntPart16(7 * 1.5), 10);
    EXPECT_EQ(IntPart16(7 * 1.25), 8);
    EXPECT_EQ(IntPart16(32767 * 1.5), 32767);
}

TEST(LookListLayout, CentringRoundsHalfTheTextToEven) {
    // Half of 101 is 50.5, which goes to 50; half of 103 is 51.5, which goes to 52.
    EXPECT_FLOAT_EQ(CenteredX(6855, 101), 3427.5f - 50);
    EXPECT_FLOAT_EQ(CenteredX(6855, 103), 3427.5f - 52);
    EXPECT_FLOAT_EQ(CenteredX(6855, 1764), 2545.5f);
    // A text wider than the destination starts left of it.
    EXPECT_FLOAT_EQ(CenteredX(1000, 3000), -1000);
}

TEST(LookListLayout, NameColumnIsTheWidestMarkedNamePlusTwoUnderscores) {
    FakeFont font;
    const FontSpec bold12{"Arial", 12, true};  // 144 twips a character, 72 a space
    SatelliteTable table;
    table.Append(Sat("A very long default name", 97, 1));  // row 0 never counts
    table.Append(Sat("SES-1", 101, 1));                    // 720
    table.Append(Sat("Telstar 19 VANTAGE", 63, 1));        // 16 x 144 + 2 x 72 = 2448
    table.Append(Sat("Unmarked but longest name", 70, 0));
    table.Append(Sat("Marked 2 is not 1 here", 71, 2));
    EXPECT_FLOAT_EQ(NameColumnWidth(table, bold12, font), 2448 + 288);

    // Nothing marked: the two underscores alone.
    SatelliteTable none;
    none.Append(Sat("Galaxy 19", 97, 1));
    none.Append(Sat("Galaxy 16", 99, 0));
    EXPECT_FLOAT_EQ(NameColumnWidth(none, bold12, font), 288);
}

TEST(LookListLayout, RuleLengths) {
    // On screen: whole hyphens in the width, less one. 6855 / 144 = 47.6.
    EXPECT_EQ(ScreenRuleLength(6855, 144), 46);
    EXPECT_EQ(ScreenRuleLength(6912, 144), 47);  // exactly 48 fit
    EXPECT_EQ(ScreenRuleLength(200, 144), 0);    // one hyphen, less one
    EXPECT_EQ(ScreenRuleLength(100, 144), 0);    // not even one: none, not -1
    EXPECT_EQ(ScreenRuleLength(6855, 0), 0);
    // On paper: 0.95 x (11880 - 2 x 1000) / 168 = 55.87.
    EXPECT_EQ(PrintedRuleLength(11880, 1000, 168), 55);
    // Margins wider than the page: none; a margin whose double passes 32767 is no
    // overflow.
    EXPECT_EQ(PrintedRuleLength(11880, 6000, 168), 0);
    EXPECT_EQ(PrintedRuleLength(11880, 32767, 168), 0);
    EXPECT_EQ(PrintedRuleLength(80000, 20000, 168), 226);  // 0.95 x 40000 / 168 = 226.19
}

TEST(LookListLayout, PageBreaks) {
    struct Case {
        float y, rowHeight, pageHeight, rowsTop;
        bool expected;
    };
    const std::vector<Case> cases = {
        {3375, 350, 4000, 1100, false},  // ends at 3725
        {3650, 350, 4000, 1100, false},  // ends exactly at the bottom
        {3825, 350, 4000, 1100, true},   // would end at 4175
        {1100, 350, 1200, 1100, false},  // first row below a heading: printed anyway
        {1101, 350, 1200, 1100, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowNeedsNewPage(c.y, c.rowHeight, c.pageHeight, c.rowsTop), c.expected)
            << c.y << " on a page of " << c.pageHeight;
    }
}

TEST(RecordingDestination, PositionsMoveByWidthsAndLines) {
    FakeFont font;
    RecordingDestination out(font, 6855);
    out.SetFontSize(10);  // 100 twips a character, lines 250 apart
    out.SetCurrentX(500);
    out.SetCurrentY(1000);
    out.Print("SES-1", LineEnd::Stay);
    EXPECT_FLOAT_EQ(out.CurrentX(), 1000);
    EXPECT_FLOAT_EQ(out.CurrentY(), 1000);
    out.SetCurrentX(2952);
    out.Print("", LineEnd::Stay);  // an empty column moves nothing
    EXPECT_FLOAT_EQ(out.CurrentX(), 2952);
    out.Print("46.889", LineEnd::NextLine);
    EXPECT_FLOAT_EQ(out.CurrentX(), 0);
    EXPECT_FLOAT_EQ(out.CurrentY(), 1250);
    out.Print("", LineEnd::NextLine);  // a blank line
    EXPECT_FLOAT_EQ(out.CurrentY(), 1500);
    out.Print("tail", LineEnd::Stay);

    EXPECT_EQ(out.Lines(), (std::vector<std::string>{"SES-1\t\t46.889", "", "tail"}));
    EXPECT_EQ(out.Texts()[0],
              (DrawnText{500, 1000, FontSpec{"Arial", 10, false}, "SES-1", LineEnd::Stay, 1}));

    out.NewPage();
    EXPECT_FLOAT_EQ(out.CurrentY(), 0);
    out.Print("second page", LineEnd::NextLine);
    EXPECT_EQ(out.Texts().back().page, 2);

    out.Cls();
    EXPECT_TRUE(out.Texts().empty());
    EXPECT_TRUE(out.Lines().empty());
    EXPECT_EQ(out.Pages(), 1);
    EXPECT_FLOAT_EQ(out.CurrentX(), 0);
    EXPECT_FLOAT_EQ(out.CurrentY(), 0);
}

TEST(RecordingDestination, AWidthIsTakenInTheFontOfItsText) {
    FakeFont font;
    RecordingDestination out(font);
    out.Print("AB", LineEnd::Stay);  // Arial 10: 200 wide
    out.SetFontSize(12);
    out.SetFontBold(true);
    out.Print("C", LineEnd::Stay);  // 144 wide
    EXPECT_FLOAT_EQ(out.Texts()[1].x, 200);
    EXPECT_FLOAT_EQ(out.CurrentX(), 344);
}

// The fake font, counting the widths it is asked for.
class CountingFont : public FakeFont {
  public:
    float TextWidth(const FontSpec& font, std::string_view text) override {
        ++widths;
        return FakeFont::TextWidth(font, text);
    }
    int widths = 0;
};

TEST(CachedTextMeasure, EachTextIsMeasuredOnceInEachFont) {
    auto counting = std::make_unique<CountingFont>();
    const CountingFont& surface = *counting;
    CachedTextMeasure cached(std::move(counting));
    const FontSpec heading{"Arial", 12, true};
    const FontSpec row{"Arial", 10, false};

    EXPECT_FLOAT_EQ(cached.TextWidth(heading, "SES-1"), 720);
    EXPECT_FLOAT_EQ(cached.TextWidth(row, "SES-1"), 500);
    EXPECT_FLOAT_EQ(cached.TextWidth(heading, "SES-1"), 720);
    EXPECT_FLOAT_EQ(cached.TextWidth(row, "SES-1"), 500);
    EXPECT_EQ(surface.widths, 2);
    EXPECT_FLOAT_EQ(cached.LineHeight(row), 250);

    // A font's widths are forgotten when it has too many: the memory stays bounded.
    for (std::size_t i = 0; i < CachedTextMeasure::kWidthsPerFont; ++i) {
        cached.TextWidth(row, std::to_string(i));
    }
    const int before = surface.widths;
    EXPECT_FLOAT_EQ(cached.TextWidth(row, "SES-1"), 500);
    EXPECT_EQ(surface.widths, before + 1);
    EXPECT_FLOAT_EQ(cached.TextWidth(heading, "SES-1"), 720);
    EXPECT_EQ(surface.widths, before + 1);
}

}  // namespace
}  // namespace tarvo::testing
