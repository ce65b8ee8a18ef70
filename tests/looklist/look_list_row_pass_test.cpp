// The row pass leaves the main window as showing every row in its fields would have:
// what the rows' calculations wrote stays where the restored satellite does not write
// again.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <optional>
#include <string>
#include <vector>

#include "look_list_fixture.h"
#include "mainwindow/text_writes.h"

namespace tarvo::testing {
namespace {

TEST(TextWrites, ASeriesIsReplayedByItsFirstChangeAndItsLastText) {
    struct Case {
        std::optional<std::string> shown;
        std::vector<std::string> writes;
        std::vector<std::string_view> replay;
    };
    const std::vector<Case> cases = {
        {"97", {}, {}},
        {"97", {"97", "97"}, {}},                    // nothing ever changed
        {"97", {"97", "63", "101"}, {"63", "101"}},  // changed, then on
        {"97", {"63", "97"}, {"63", "97"}},          // back to the text shown before
        {std::nullopt, {"97"}, {"97", "97"}},        // a box holding what text cannot
    };
    for (const Case& c : cases) {
        TextWrites writes(c.shown);
        for (const std::string& text : c.writes) {
            writes.Write(text);
        }
        EXPECT_EQ(writes.Replay(), c.replay) << c.writes.size() << " writes";
    }
}

using LookListRowPassTest = LookListTest;

TEST_F(LookListRowPassTest, WhatTheRowsWroteStaysWhereTheRestoreDoesNotWrite) {
    StartOnSamples();
    // Offsets set without a calculation, the longitude typed in degrees, minutes and
    // seconds, and a satellite name that is in no list.
    test::WritableState(*form).Settings.AzOffset = 2.5;
    test::WritableState(*form).Settings.ElOffset = -1;
    test::Find<TextBox>(*form, "txtLongitude")->setText("84 23 24");
    test::Find<ComboBox>(*form, "cboSatName")->lineEdit()->setText("Gone");
    ASSERT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Azimuth:");

    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    // The rows' calculations rewrote the longitude (84 + 23/60 + 24/3600) and set the
    // captions of adjusted angles. "Gone" is not found again: no position, so the last
    // calculation is refused and empties the results.
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLongitude")->text(), "84.39");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "33.75");
    EXPECT_EQ(test::Find<Label>(*form, "lblAzimuth")->caption(), "Adjusted Azimuth:");
    EXPECT_EQ(test::Find<Label>(*form, "lblElevation")->caption(), "Adjusted Elevation:");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Gone");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->text(), "");
    EXPECT_EQ(Shown(), (Results{"", "", ""}));
    EXPECT_EQ(form->state().Updating, 0);
}

TEST_F(LookListRowPassTest, TheListsFollowTheRestoredSatellite) {
    StartOnSamples();
    test::Find<ComboBox>(*form, "cboSatName")
        ->choose(EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "SES-1"));
    // Typed over the chosen entry: the list stays on SES-1 until the program writes.
    QLineEdit* edit = test::Find<ComboBox>(*form, "cboSatName")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "Galaxy 19");
    ASSERT_EQ(test::Find<ComboBox>(*form, "cboSatName")->currentIndex(),
              EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "SES-1"));

    test::Find<QPushButton>(*form, "cmdDisplayLookList")->click();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->text(), "Galaxy 19");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatName")->currentIndex(),
              EntryIndex(test::Find<ComboBox>(*form, "cboSatName"), "Galaxy 19"));
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboSatLong")->currentIndex(),
              EntryIndex(test::Find<ComboBox>(*form, "cboSatLong"), "97"));
}

}  // namespace
}  // namespace tarvo::testing
