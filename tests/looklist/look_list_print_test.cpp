// "Print Look List": the page as the printer receives it (the scripted printer records
// every text in twips), with a font of hand-worked widths (fake_font.h); a printer that
// is missing or fails.

#include <gtest/gtest.h>

#include <QPushButton>
#include <string>
#include <vector>

#include "look_list_fixture.h"

namespace tarvo::testing {
namespace {

using Printed = ScriptedPlatform::PrintedText;

class LookListPrintTest : public LookListTest {
  protected:
    const ScriptedPlatform::PrintedDocument& Document() {
        EXPECT_EQ(platform.printedDocuments().size(), 1u);
        return platform.printedDocuments().at(0);
    }
    static std::vector<std::string> Texts(const ScriptedPlatform::PrintedDocument& document) {
        std::vector<std::string> texts;
        for (const Printed& t : document.texts) {
            texts.push_back(t.text);
        }
        return texts;
    }
};

// The page of the scripted printer is 11880 twips wide (centre 5940).
TEST_F(LookListPrintTest, DefaultSettingsOnePage) {
    StartOnSamples();
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();

    // Title, Arial 21 bold (252 a character): 10 x 252 + 126 = 2646, at 5940 - 1323, y 400.
    // Position line, 17 bold: 12 x 204 + 4 x 102 = 2856, at 5940 - 1428, y 400 + 525.
    // The blank line (empty, not drawn) ends at 925 + 425 + 425 = 1775.
    // Columns in Arial 14 regular: 18 x 140 + 70 + "__" 280 = 2870; "88.888____" 1400.
    // Header and rule in 14 bold, lines 350 apart: rule 0.95 x 9880 / 168 = 55.87 -> 55.
    // Rows in 14 regular, 350 + 100 apart.
    std::vector<Printed> expected = {
        {1, 4617, 400, "Arial", 21, true, "Atlanta, GA"},
        {1, 4512, 925, "Arial", 17, true, "84.39W    33.75N"},
        {1, 1000, 1775, "Arial", 14, true, "Satellite"},
        {1, 3870, 1775, "Arial", 14, true, "Azimuth"},
        {1, 5270, 1775, "Arial", 14, true, "Elevation"},
        {1, 1000, 2125, "Arial", 14, true, std::string(55, '-')},
    };
    const std::vector<std::vector<std::string>> rows = {
        {"Anik F2", "222.166", "41.455"},
        {"Galaxy 19", "201.933", "48.479"},
        {"SES-1", "208.233", "46.889"},
        {"SES-11/EchoStar 105", "214.095", "44.955"},
        {"Telstar 19 VANTAGE", "144.815", "44.542"},
    };
    double y = 2475;
    for (const auto& row : rows) {
        expected.push_back({1, 1000, y, "Arial", 14, false, row[0]});
        expected.push_back({1, 3870, y, "Arial", 14, false, row[1]});
        expected.push_back({1, 5270, y, "Arial", 14, false, row[2]});
        y += 450;
    }
    const ScriptedPlatform::PrintedDocument& document = Document();
    ASSERT_EQ(document.texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Printed& got = document.texts[i];
        const Printed& want = expected[i];
        EXPECT_EQ(std::tie(got.page, got.x, got.y, got.font, got.points, got.bold, got.text),
                  std::tie(want.page, want.x, want.y, want.font, want.points, want.bold, want.text))
            << "text " << i << " \"" << want.text << "\"";
    }
    EXPECT_TRUE(document.finished);
    EXPECT_EQ(document.pages, 1);
    EXPECT_EQ(document.target, "");  // the default printer
    EXPECT_EQ(form->state().Printing, 0);
    EXPECT_EQ(form->state().OutDest, nullptr);
    EXPECT_TRUE(platform.messages().empty());

    // The main window shows Galaxy 19 again, recalculated.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Galaxy 19");
    EXPECT_EQ(Shown(), (Results{"201.933", "48.479", "20072.5"}));
}

TEST_F(LookListPrintTest, SmallFontAndLargeMargin) {
    StartOnSamples();
    Settings& p = test::WritableState(*form).Settings;
    p.PrtFontSize = 7;
    p.PrtLeftMargin = 6000;  // both margins together are wider than the page
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();

    const ScriptedPlatform::PrintedDocument& document = Document();
    ASSERT_GE(document.texts.size(), 5u);
    // 10 and 8 points; the title still centred on the whole width: 10 x 120 + 60 = 1260.
    EXPECT_EQ(document.texts[0].points, 10);
    EXPECT_DOUBLE_EQ(document.texts[0].x, 5940 - 630);
    EXPECT_EQ(document.texts[1].points, 8);
    EXPECT_EQ(document.texts[2].text, "Satellite");
    EXPECT_DOUBLE_EQ(document.texts[2].x, 6000);
    // No rule: the row follows the header directly (the empty rule line still passes).
    EXPECT_EQ(document.texts[5].text, "Anik F2");
    EXPECT_DOUBLE_EQ(document.texts[5].x, 6000);
    EXPECT_EQ(document.texts[5].points, 7);
    EXPECT_FALSE(document.texts[5].bold);
}

TEST_F(LookListPrintTest, PositionsBeyondSixteenBitsAreLimited) {
    StartOnSamples();
    test::WritableState(*form).Settings.PrtLeftMargin = 32767;
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    const ScriptedPlatform::PrintedDocument& document = Document();
    EXPECT_TRUE(document.finished);
    EXPECT_DOUBLE_EQ(document.texts.at(3).x, 32767);  // "Azimuth": 32767 + 2870, limited
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(LookListPrintTest, RowsPastTheBottomContinueBelowTheHeadingRepeated) {
    StartOnSamples();
    ScriptedPlatform::Printer printer;
    printer.pageHeight = 4000;  // rows at 2475, 2925, 3375 fit; the one at 3825 does not
    platform.setPrinter(printer);
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();

    const ScriptedPlatform::PrintedDocument& document = Document();
    EXPECT_EQ(document.pages, 2);
    std::vector<Printed> second;
    for (const Printed& t : document.texts) {
        if (t.page == 2) {
            second.push_back(t);
        }
    }
    ASSERT_EQ(second.size(), 10u);
    // Header at the top margin, the rule one line below, the rows below that.
    EXPECT_EQ(second[0].text, "Satellite");
    EXPECT_DOUBLE_EQ(second[0].y, 400);
    EXPECT_TRUE(second[0].bold);
    EXPECT_EQ(second[3].text, std::string(55, '-'));
    EXPECT_DOUBLE_EQ(second[3].y, 750);
    EXPECT_EQ(second[4].text, "SES-11/EchoStar 105");
    EXPECT_DOUBLE_EQ(second[4].y, 1100);
    EXPECT_FALSE(second[4].bold);
    EXPECT_EQ(second[7].text, "Telstar 19 VANTAGE");
    EXPECT_DOUBLE_EQ(second[7].y, 1550);
}

TEST_F(LookListPrintTest, NoPrinterOffersAPdfFile) {
    StartOnSamples();
    ScriptedPlatform::Printer none;
    none.present = false;
    platform.setPrinter(none);

    platform.queueAnswer(MsgAnswer::No);
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    const ScriptedPlatform::Message& asked = platform.lastMessage();
    EXPECT_EQ(asked.text,
              "The look list could not be printed.\n\rNo printer is set up on this "
              "computer.\n\rSave it as a PDF file instead?");
    EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
    EXPECT_EQ(asked.icon, MsgIcon::Exclamation);
    EXPECT_EQ(asked.title, "SNG Tarvo");
    EXPECT_TRUE(platform.printedDocuments().empty());

    const std::string pdf = folder.file("atlanta.pdf").string();
    platform.queueAnswer(MsgAnswer::Yes);
    platform.queueFile(pdf);
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    ASSERT_EQ(platform.fileRequests().size(), 1u);
    EXPECT_EQ(platform.fileRequests()[0].kind, FileDialogRequest::Kind::Save);
    const ScriptedPlatform::PrintedDocument& document = Document();
    EXPECT_EQ(document.target, pdf);
    EXPECT_TRUE(document.finished);
    EXPECT_EQ(Texts(document).size(), 6u + 15u);  // laid out as on paper
    EXPECT_EQ(platform.messages().size(), 2u);
    EXPECT_EQ(platform.unscriptedCount(), 0);
}

TEST_F(LookListPrintTest, PrinterFailuresAreReported) {
    StartOnSamples();
    ScriptedPlatform::Printer broken;
    broken.startFailure = "The printer Office could not be started.";
    platform.setPrinter(broken);
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    EXPECT_EQ(platform.lastMessage().text,
              "The look list could not be printed.\n\rThe printer Office could not be started.");
    EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(platform.printedDocuments().empty());

    ScriptedPlatform::Printer jammed;
    jammed.finishFailure = "The printer Office reported an error.";
    platform.setPrinter(jammed);
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    EXPECT_EQ(platform.lastMessage().text,
              "The look list could not be printed.\n\rThe printer Office reported an error.");
    EXPECT_EQ(platform.messages().size(), 2u);
    // The program goes on: the main window shows its satellite again.
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Galaxy 19");
    EXPECT_EQ(Shown(), (Results{"201.933", "48.479", "20072.5"}));
}

}  // namespace
}  // namespace tarvo::testing
