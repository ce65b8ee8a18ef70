// The crew sheet of the sample catalogue from Atlanta: its lines, and the sheet printed
// and saved as a PDF through the look list's printer.

#include <gtest/gtest.h>

#include <QPushButton>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "common/numeric_value.h"
#include "pointing_fixture.h"

namespace tarvo::testing {
namespace {

using PointingSheetTest = PointingTest;

// The look list's rows from Atlanta (the sample look list: its azimuths and
// elevations), in its order, by name.
struct ListedSatellite {
    const char* name;
    const char* slot;
    const char* azimuth;
    const char* elevation;
    const char* turn;  // west of the truck clockwise, east of it counter-clockwise
    // Over a flat horizon the clearance is the elevation, to one decimal.
    const char* horizon;
};
const ListedSatellite kLookList[] = {
    {"Anik F2", "111.1W", "222.166", "41.455", "clockwise", "clear by 41.5"},
    {"Galaxy 19", "97W", "201.933", "48.479", "clockwise", "clear by 48.5"},
    {"SES-1", "101W", "208.233", "46.889", "clockwise", "clear by 46.9"},
    {"SES-11/EchoStar 105", "105W", "214.095", "44.955", "clockwise", "clear by 45.0"},
    {"Telstar 19 VANTAGE", "63W", "144.815", "44.542", "counter-clockwise", "clear by 44.5"},
};

TEST_F(PointingSheetTest, OneLinePerLookListSatelliteUnderThePlaceAndTheDate) {
    StartOnSamples();
    OpenAid();
    const PointingSheet sheet = aid->Sheet();
    EXPECT_EQ(sheet.heading,
              (std::vector<std::string>{"Atlanta, GA", "84.39W    33.75N    2026-12-07",
                                        "Declination: 5.6 W (WMM2025, 2026-12-07)"}));
    EXPECT_EQ(sheet.columns,
              (std::vector<std::string>{"Satellite", "Slot", "Azimuth", "Magnetic Azimuth",
                                        "Elevation", "Horizon", "Feed Skew", "Range"}));
    ASSERT_EQ(sheet.rows.size(), std::size(kLookList));
    const double declination = DeclinationAt(33.75, 84.39);
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const std::vector<std::string>& row = sheet.rows[i];
        const ListedSatellite& listed = kLookList[i];
        ASSERT_EQ(row.size(), 8u) << listed.name;
        EXPECT_EQ(row[0], listed.name);
        EXPECT_EQ(row[1], listed.slot);
        EXPECT_EQ(row[2], listed.azimuth);
        EXPECT_NEAR(NumericValue(row[3]), NumericValue(listed.azimuth) - declination, 0.05)
            << listed.name;
        EXPECT_EQ(row[4], listed.elevation);
        EXPECT_EQ(row[5], listed.horizon);
        EXPECT_EQ(row[6].substr(row[6].find(' ') + 1), listed.turn) << listed.name;
    }
    EXPECT_EQ(sheet.rows[1][6], "18.2 clockwise");
    EXPECT_EQ(sheet.rows[1][7], "20072.5");
    EXPECT_EQ(sheet.footnote,
              "Feed skew as seen from behind the dish; range in nautical miles. Horizon: "
              "clearance over a flat horizon, no mask for this place.");

    // Each range is the main window's for that satellite.
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        test::Find<ComboBox>(*form, "cboSatLong")
            ->setText(std::string(kLookList[i].slot)
                          .substr(0, std::string(kLookList[i].slot).size() - 1));
        form->Calculate();
        EXPECT_EQ(sheet.rows[i][7], test::Find<TextBox>(*form, "txtRange")->text())
            << kLookList[i].name;
    }
}

TEST_F(PointingSheetTest, AsTextTabSeparated) {
    StartOnSamples();
    OpenAid();
    const std::string text = aid->Sheet().PlainText();
    EXPECT_EQ(text.substr(0, text.find('\n', text.find("Range\n"))),
              "Atlanta, GA\n"
              "84.39W    33.75N    2026-12-07\n"
              "Declination: 5.6 W (WMM2025, 2026-12-07)\n"
              "Satellite\tSlot\tAzimuth\tMagnetic Azimuth\tElevation\tHorizon\tFeed Skew\tRange");
    EXPECT_NE(text.find("\nGalaxy 19\t97W\t201.933\t"), std::string::npos);
    EXPECT_NE(text.find("\t48.479\tclear by 48.5\t18.2 clockwise\t20072.5\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 1 + 5 + 1);
}

TEST_F(PointingSheetTest, OffsetsAndTheModelsYearsShowInTheHeadings) {
    StartOnSamples();
    test::WritableState(*form).Settings.AzOffset = 2.5;
    test::WritableState(*form).Settings.ElOffset = -1;
    OpenAid(CalendarDate{2031, 3, 1});
    const PointingSheet sheet = aid->Sheet();
    EXPECT_EQ(sheet.heading[1], "84.39W    33.75N    2031-03-01");
    EXPECT_EQ(sheet.heading[2], "The magnetic model WMM2025 covers 2025 to 2030 only.");
    EXPECT_EQ(sheet.columns[2], "Adjusted Azimuth");
    EXPECT_EQ(sheet.columns[4], "Adjusted Elevation");
    EXPECT_EQ(sheet.rows[1][2], "204.433");  // 201.933 + 2.5
    EXPECT_EQ(sheet.rows[1][3], "");         // no compass bearing without a declination
    EXPECT_EQ(sheet.rows[1][4], "47.479");   // 48.479 - 1
}

TEST_F(PointingSheetTest, NoPlaceNoFigures) {
    StartOnSamples();
    test::Find<TextBox>(*form, "txtLatitude")->setText("");
    form->Calculate();
    OpenAid();
    const PointingSheet sheet = aid->Sheet();
    ASSERT_EQ(sheet.rows.size(), 5u);
    EXPECT_EQ(sheet.rows[0], (std::vector<std::string>{"Anik F2", "111.1W"}));
}

// The texts of a print document in the order they were drawn.
std::vector<std::string> Texts(const ScriptedPlatform::PrintedDocument& document) {
    std::vector<std::string> texts;
    for (const auto& printed : document.texts) {
        texts.push_back(printed.text);
    }
    return texts;
}

TEST_F(PointingSheetTest, PrintedOnTheDefaultPrinter) {
    StartOnSamples();
    OpenAid();
    aid->cmdPrintSheet->click();
    ASSERT_EQ(platform.printedDocuments().size(), 1u);
    const auto& document = platform.printedDocuments()[0];
    EXPECT_EQ(document.target, "");
    EXPECT_TRUE(document.finished);
    const std::vector<std::string> texts = Texts(document);
    EXPECT_EQ(texts[0], "Atlanta, GA");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "18.2 clockwise"), texts.end());
    const Settings& settings = form->state().Settings;
    for (const auto& printed : document.texts) {
        EXPECT_EQ(printed.font, settings.PrtFontName);
        EXPECT_GE(printed.x, settings.PrtLeftMargin) << printed.text;
        EXPECT_GE(printed.y, settings.PrtTopMargin) << printed.text;
    }
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(PointingSheetTest, SavedAsAPdfWhenNoPrinterIsSetUp) {
    StartOnSamples();
    OpenAid();
    ScriptedPlatform::Printer none;
    none.present = false;
    platform.setPrinter(none);
    platform.queueAnswer(MsgAnswer::Yes);
    platform.queueFile(folder.file("sheet.pdf").string());
    aid->cmdPrintSheet->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text.substr(0, 40),
              "The pointing sheet could not be printed.");
    EXPECT_NE(platform.messages()[0].text.find("Save it as a PDF file instead?"),
              std::string::npos);
    EXPECT_EQ(platform.messages()[0].title, "SNG Tarvo");
    ASSERT_EQ(platform.fileRequests().size(), 1u);
    EXPECT_EQ(platform.fileRequests()[0].fileName, "Pointing sheet.pdf");
    ASSERT_EQ(platform.printedDocuments().size(), 1u);
    EXPECT_EQ(platform.printedDocuments()[0].target, folder.file("sheet.pdf").string());
    EXPECT_TRUE(platform.printedDocuments()[0].finished);
    EXPECT_EQ(platform.unscriptedCount(), 0);
}

// The sheet's PDF is named as the look list's is: completed with .pdf, never over one of
// the program's own files, a file already there replaced only on the crew's word; the
// messages name the pointing sheet.
TEST_F(PointingSheetTest, ThePdfIsNamedAsTheLookListsIs) {
    StartOnSamples();
    OpenAid();
    ScriptedPlatform::Printer none;
    none.present = false;
    platform.setPrinter(none);
    const std::string dir = folder.path().string();
    std::ofstream(folder.file("old.pdf")) << "kept";
    struct Case {
        std::string chosen;
        std::optional<MsgAnswer> answer;  // to the message after the PDF question
        std::string written;              // empty: nothing written
        std::string message;              // the message after the PDF question
    };
    const Case cases[] = {
        {dir + "/dashboard", std::nullopt, dir + "/dashboard.pdf", ""},
        {dir + "/tarvo.sat", MsgAnswer::Ok, "",
         dir + "/tarvo.sat\n\rThis is the current satellite file.\n\rThe pointing sheet "
               "cannot be saved over it. Please choose another name."},
        // tarvo.ini is there and is the settings file: refused, not offered for replacing.
        {dir + "/tarvo.ini", MsgAnswer::Ok, "",
         dir + "/tarvo.ini\n\rThis is the settings file of the program.\n\rThe pointing "
               "sheet cannot be saved over it. Please choose another name."},
        // old.pdf is there: Cancel keeps it.
        {dir + "/old.pdf", MsgAnswer::Cancel, "",
         dir + "/old.pdf already exists.\n\rThe pointing sheet will replace it."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const std::size_t documents = platform.printedDocuments().size();
        platform.clearRecords();
        platform.queueAnswer(MsgAnswer::Yes);
        platform.queueFile(c.chosen);
        if (c.answer) {
            platform.queueAnswer(*c.answer);
        }
        aid->cmdPrintSheet->click();
        ASSERT_EQ(platform.messages().size(), c.message.empty() ? 1u : 2u);
        if (!c.message.empty()) {
            EXPECT_EQ(platform.messages()[1].text.substr(0, c.message.size()), c.message);
        }
        ASSERT_EQ(platform.printedDocuments().size(), documents + (c.written.empty() ? 0 : 1));
        if (!c.written.empty()) {
            EXPECT_EQ(platform.printedDocuments().back().target, c.written);
        }
    }
}

TEST_F(PointingSheetTest, APrinterThatFailsIsReported) {
    StartOnSamples();
    OpenAid();
    ScriptedPlatform::Printer failing;
    failing.finishFailure = "out of paper";
    platform.setPrinter(failing);
    aid->cmdPrintSheet->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text,
              "The pointing sheet could not be printed.\n\rout of paper");
    EXPECT_EQ(platform.messages()[0].icon, MsgIcon::Exclamation);
}

}  // namespace
}  // namespace tarvo::testing
