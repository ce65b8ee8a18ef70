#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <string>
#include <vector>

#include "form_fixture.h"

namespace tarvo::testing {
namespace {

using CalculateTest = FormTest;

TEST_F(CalculateTest, LookAnglesWithoutOffsets) {
    // Satellite, truck west longitude, truck north latitude.
    EXPECT_EQ(CalculateFor("101", "100", "40"), (Results{"181.556", "43.712", "20249.4"}));
    EXPECT_EQ(CalculateFor("99", "100", "40"), (Results{"178.444", "43.712", "20249.4"}));
    // Due south: the short value of pi leaves the azimuth just short of 180, and the
    // whole range is written without a decimal.
    EXPECT_EQ(CalculateFor("100", "100", "40"), (Results{"179.982", "43.723", "20249"}));
    EXPECT_EQ(CalculateFor("72", "84.39", "33.75"), (Results{"158.425", "48.555", "20069.8"}));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Elevation:");
    EXPECT_EQ(form->state().Updating, 0);
}

TEST_F(CalculateTest, OffsetsAreAddedAndNamedInTheCaptions) {
    test::WritableState(*form).Settings.AzOffset = 2.5;
    test::WritableState(*form).Settings.ElOffset = -1;
    // 181.556 + 2.5 and 43.712 - 1; the range does not depend on the offsets.
    EXPECT_EQ(CalculateFor("101", "100", "40"), (Results{"184.056", "42.712", "20249.4"}));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Adjusted Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Adjusted Elevation:");

    // Each caption follows its own offset.
    test::WritableState(*form).Settings.AzOffset = 0;
    EXPECT_EQ(CalculateFor("101", "100", "40"), (Results{"181.556", "42.712", "20249.4"}));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Adjusted Elevation:");

    test::WritableState(*form).Settings.AzOffset = 2.5;
    test::WritableState(*form).Settings.ElOffset = 0;
    EXPECT_EQ(CalculateFor("101", "100", "40"), (Results{"184.056", "43.712", "20249.4"}));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Adjusted Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Elevation:");
}

TEST_F(CalculateTest, RewritesDegreesAndMinutesAsTheProgramsOwnWrite) {
    Enter("101", "100", "40 30");
    test::Find<ComboBox>(*form, "cboLocations")->setText("Truck yard");
    test::Find<QPushButton>(*form, "cmdSaveLocation")->setEnabled(false);

    form->Calculate();

    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40.5");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Truck yard");
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, 0);
    const Results fromMinutes = Shown();
    EXPECT_EQ(CalculateFor("101", "100", "40.5"), fromMinutes);
    EXPECT_NE(fromMinutes, (Results{"181.556", "43.712", "20249.4"}));  // not from 40
}

TEST_F(CalculateTest, AnglesComeFromTheRewrittenText) {
    // 40 + (30 + 15/60)/60 = 40.504166..., shown to four places.
    Enter("101", "100 30", "40 30 15");
    form->Calculate();
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "40.5042");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100.5");
    const Results fromSeconds = Shown();
    EXPECT_EQ(CalculateFor("101", "100.5", "40.5042"), fromSeconds);
    EXPECT_FALSE(fromSeconds.azimuth.empty());

    // Near the equator the four-place rounding shows in the azimuth: 10 seconds are
    // 0.002777... degrees, rewritten as 0.0028, and the angles follow the rewritten text.
    Enter("101", "100", "0 0 10");
    form->Calculate();
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "0.0028");
    const Results nearEquator = Shown();
    EXPECT_EQ(CalculateFor("101", "100", "0.0028"), nearEquator);
    EXPECT_NE(CalculateFor("101", "100", "0.00277777777777778"), nearEquator);
}

TEST_F(CalculateTest, LongitudeIsRewrittenBeforeLatitudeWithUpdatingRaised) {
    Enter("101", "100 30", "40 30");
    std::vector<std::string> written;
    std::vector<int> updatingWhileWritten;
    for (TextBox* box :
         {test::Find<TextBox>(*form, "txtLongitude"), test::Find<TextBox>(*form, "txtLatitude")}) {
        QObject::connect(box, &QLineEdit::textChanged, [&, box] {
            written.push_back(box->objectName().toStdString());
            updatingWhileWritten.push_back(form->state().Updating);
        });
    }
    form->Calculate();
    EXPECT_EQ(written, (std::vector<std::string>{"txtLongitude", "txtLatitude"}));
    EXPECT_EQ(updatingWhileWritten, (std::vector<int>{-1, -1}));
    EXPECT_EQ(form->state().Updating, 0);
}

TEST_F(CalculateTest, InvalidInputEmptiesTheResultsAndRewritesNothing) {
    struct Case {
        const char* satLong;
        const char* latitude;
    };
    const Case cases[] = {{"101", ""},   {"101", "0"},      {"101", "-10"},
                          {"", "40 30"}, {"east", "40 30"}, {"101", "north"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("satellite \"") + c.satLong + "\", latitude \"" + c.latitude +
                     "\"");
        CalculateFor("101", "100", "40");
        ASSERT_EQ(Shown().range, "20249.4");

        Enter(c.satLong, "100 30", c.latitude);
        test::WritableState(*form).Updating = -1;  // not touched before the checks pass
        form->Calculate();
        EXPECT_EQ(Shown(), (Results{"", "", ""}));
        EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "100 30");
        EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), c.latitude);
        EXPECT_EQ(form->state().Updating, -1);
        test::WritableState(*form).Updating = 0;
    }
    // A longitude of 0 or east is refused too.
    EXPECT_EQ(CalculateFor("101", "0", "40"), (Results{"", "", ""}));
    EXPECT_EQ(CalculateFor("101", "-100", "40"), (Results{"", "", ""}));
    EXPECT_TRUE(platform.messages().empty());  // refused without a word
}

TEST_F(CalculateTest, ResultsAreEmptiedRangeFirst) {
    CalculateFor("101", "100", "40");
    std::vector<std::string> emptied;
    for (TextBox* box :
         {test::Find<TextBox>(*form, "txtAzimuth"), test::Find<TextBox>(*form, "txtElevation"),
          test::Find<TextBox>(*form, "txtRange")}) {
        QObject::connect(box, &QLineEdit::textChanged, [&emptied, box](const QString& text) {
            if (text.isEmpty()) {
                emptied.push_back(box->objectName().toStdString());
            }
        });
    }
    test::Find<TextBox>(*form, "txtLatitude")->setText("");
    form->Calculate();
    EXPECT_EQ(emptied, (std::vector<std::string>{"txtRange", "txtElevation", "txtAzimuth"}));
}

TEST_F(CalculateTest, FailureOfTheArithmeticEmptiesTheResultsAndKeepsTheCaptions) {
    test::WritableState(*form).Settings.AzOffset = 2.5;
    test::WritableState(*form).Settings.ElOffset = -1;
    CalculateFor("101", "100", "40");
    ASSERT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Adjusted Azimuth:");
    test::WritableState(*form).Settings.AzOffset = 0;
    test::WritableState(*form).Settings.ElOffset = 0;

    // A latitude so small that its cosine is exactly 1, with the satellite at the truck's
    // longitude: the central angle's inverse cosine of 1 divides by zero before either
    // caption is decided.
    Enter("100", "100", "0.000000001");
    form->Calculate();
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Adjusted Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Adjusted Elevation:");
    EXPECT_EQ(form->state().Updating, 0);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(CalculateTest, OverflowWhileRewritingLowersUpdatingAgain) {
    CalculateFor("101", "100", "40");
    // Degrees 2E+304 with 0 minutes: the whole text reads as 2E+305 and passes the check,
    // but rounding the degrees to four places overflows (2E+304 * 10^4).
    const std::string huge = "2" + std::string(304, '0') + " 0";
    Enter("101", "100 30", huge);
    test::WritableState(*form).Updating = -1;
    form->Calculate();
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    EXPECT_EQ(form->state().Updating, 0);
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(),
              "100.5");  // rewritten before the latitude failed
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), huge);

    // A number beyond the double range fails already in the checks: Updating stays.
    Enter("1E+999", "100", "40");
    test::WritableState(*form).Updating = -1;
    form->Calculate();
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    EXPECT_EQ(form->state().Updating, -1);
}

TEST_F(CalculateTest, CalculateButtonRunsTheCalculation) {
    Enter("72", "84.39", "33.75");
    test::Find<QPushButton>(*form, "cmdCalculate")->click();
    EXPECT_EQ(Shown(), (Results{"158.425", "48.555", "20069.8"}));
}

}  // namespace
}  // namespace tarvo::testing
