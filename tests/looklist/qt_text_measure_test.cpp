// The real measuring surface with Liberation Sans, which has the metrics of Arial. The
// expected widths are the fonts' advance widths (2048 units to the em) added up by
// hand: at 12 points an em is 240 twips.

#include <gtest/gtest.h>

#include <QPushButton>

#include "looklist/frm_look_list.h"
#include "looklist/qt_text_measure.h"
#include "mainwindow/satellite_fixture.h"

namespace tarvo::testing {
namespace {

TEST(QtTextMeasure, ArialMetricsInTwips) {
    QtTextMeasure measure;
    const FontSpec bold12{"Arial", 12, true};
    const FontSpec regular14{"Arial", 14, false};
    struct Case {
        FontSpec font;
        const char* text;
        double expected;  // twips
    };
    const Case cases[] = {
        {bold12, "__", 2 * 1139 * 240 / 2048.0},                  // 266.95
        {bold12, "888.888___", (9 * 1139 + 569) * 240 / 2048.0},  // 1267.97
        {bold12, "-", 682 * 240 / 2048.0},                        // 79.92
        {regular14, "88.888____", (9 * 1139 + 569) * 280 / 2048.0},
        // No kerning: "AV" is as wide as its two letters.
        {regular14, "AV", 2 * 1366 * 280 / 2048.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(measure.TextWidth(c.font, c.text), c.expected, 0.05) << c.text;
    }
    // A line: ascent 1854, descent 434 and gap 67 units; at 10 points 229.98 twips.
    EXPECT_NEAR(measure.LineHeight({"Arial", 10, false}), 2355 * 200 / 2048.0, 0.5);
}

class RealFontDisplayTest : public SatelliteFormTest {};

TEST_F(RealFontDisplayTest, SampleColumnsInArial) {
    for (const auto& entry : std::filesystem::directory_iterator(TARVO_SAMPLES)) {
        std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
    }
    form->Form_Load();
    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    // The widest marked name, "SES-11/EchoStar 105" in Arial 12 bold: 20604 units,
    // 2414.53 twips, rounded 2415; with "__" (266.95) 2681.95, rounded 2682.
    EXPECT_EQ(form->state().NameColWidth, 2682);
    EXPECT_EQ(form->state().NumColWidth, 1268);
    const std::vector<DrawnText>& drawn = form->LookListWindow()->drawing().Texts();
    ASSERT_GE(drawn.size(), 7u);
    // "Atlanta, GA" in Arial 14 bold: 13011 units, 1524.55 twips; half 762.28 -> 762.
    EXPECT_FLOAT_EQ(drawn[0].x, 3427.5f - 762);
    // The rule: 6855 / 79.92 = 85.77, so 84 hyphens.
    EXPECT_EQ(drawn[6].text, std::string(84, '-'));
}

}  // namespace
}  // namespace tarvo::testing
