// The crew sheet's print layout, in a font whose widths are worked by hand (regular 10
// twips a character a point, bold 12, a space half, lines 25 twips a point apart).

#include "aidwindows/sheet_printing.h"

#include <gtest/gtest.h>

#include "looklist/fake_font.h"
#include "looklist/recording_destination.h"

namespace tarvo::testing {
namespace {

PointingSheet SmallSheet() {
    PointingSheet sheet;
    sheet.heading = {"T", "P"};
    sheet.columns = {"Sat", "Az"};
    sheet.rows = {{"AB", "1"}};
    sheet.footnote = "F";
    return sheet;
}

Settings PrinterSettings() {
    Settings settings;
    settings.PrtFontName = "Arial";
    settings.PrtFontSize = 10;
    settings.PrtLeftMargin = 100;
    settings.PrtTopMargin = 50;
    settings.PrtLineSpacing = 20;
    return settings;
}

const DrawnText& Find(const RecordingDestination& out, const std::string& text) {
    for (const DrawnText& drawn : out.Texts()) {
        if (drawn.text == text) {
            return drawn;
        }
    }
    throw std::logic_error("not drawn: " + text);
}

// At 10 points: "Sat" bold 360, "AB" 200, "__" 200: the first column is 560 wide, so
// the second starts at 100 + 560 = 660. Down the page: the title at 50 (15 points, a
// line of 375), the position at 425 (12 points, 300), a blank line at 725 (10 points,
// 250), the captions at 975, the row at 1225, then 250 + 20 of spacing and a blank line:
// the footnote at 1745.
TEST(SheetPrinting, ColumnsAndLinesAtTheirPlaces) {
    FakeFont font;
    RecordingDestination out(font, 2000, 20000);
    PrintPointingSheet(SmallSheet(), out, font, PrinterSettings());
    const struct {
        const char* text;
        float x, y;
        std::int16_t size;
        bool bold;
    } expected[] = {
        {"T", 100, 50, 15, true},    {"P", 100, 425, 12, true},    {"Sat", 100, 975, 10, true},
        {"Az", 660, 975, 10, true},  {"AB", 100, 1225, 10, false}, {"1", 660, 1225, 10, false},
        {"F", 100, 1745, 10, false},
    };
    for (const auto& e : expected) {
        const DrawnText& drawn = Find(out, e.text);
        EXPECT_EQ(drawn.x, e.x) << e.text;
        EXPECT_EQ(drawn.y, e.y) << e.text;
        EXPECT_EQ(drawn.font, (FontSpec{"Arial", e.size, e.bold})) << e.text;
    }
}

// Between margins of 100 on a width of 1000 there are 800: the table is 1000 wide at
// 10 points and 900 at 9 (columns 324 + 180 and 216 + 180); at 8 it is 800 (288 + 160,
// 192 + 160) and fits.
TEST(SheetPrinting, ASheetTooWideGoesDownInSizeUntilItFits) {
    FakeFont font;
    RecordingDestination out(font, 1000, 20000);
    PrintPointingSheet(SmallSheet(), out, font, PrinterSettings());
    EXPECT_EQ(Find(out, "AB").font.size, 8);
    EXPECT_EQ(Find(out, "Az").x, 100 + 448);
    EXPECT_EQ(Find(out, "T").font.size, 12);  // 1.5 x 8

    // No narrower than 6 points, however narrow the paper.
    RecordingDestination narrow(font, 300, 20000);
    PrintPointingSheet(SmallSheet(), narrow, font, PrinterSettings());
    EXPECT_EQ(Find(narrow, "AB").font.size, 6);
}

// On a page 1400 high the row at 1225 would end at 1475: it goes to page 2, under the
// captions printed again at the top margin.
TEST(SheetPrinting, ARowPastTheBottomGoesToANewPageUnderTheCaptions) {
    FakeFont font;
    RecordingDestination out(font, 2000, 1400);
    PrintPointingSheet(SmallSheet(), out, font, PrinterSettings());
    EXPECT_EQ(Find(out, "AB").page, 2);
    EXPECT_EQ(Find(out, "AB").y, 300);
    int captions = 0;
    for (const DrawnText& drawn : out.Texts()) {
        if (drawn.text == "Sat") {
            ++captions;
            EXPECT_EQ(drawn.y, drawn.page == 1 ? 975 : 50);
        }
    }
    EXPECT_EQ(captions, 2);
}

}  // namespace
}  // namespace tarvo::testing
