#include <QPushButton>
#include <QTest>

#include "form_fixture.h"

namespace tarvo::testing {
namespace {

using CoordinateChangeTest = FormTest;

// A location chosen from the list, its position shown, "Save New Location" disabled.
void ShowNamedLocation(frmSatellite& form) {
    test::WritableState(form).Updating = -1;
    test::Find<ComboBox>(form, "cboLocations")->setText("Harbour gate");
    test::Find<TextBox>(form, "txtLongitude")->setText("100");
    test::Find<TextBox>(form, "txtLatitude")->setText("40");
    test::WritableState(form).Updating = 0;
    test::Find<QPushButton>(form, "cmdSaveLocation")->setEnabled(false);
}

TEST_F(CoordinateChangeTest, EditingThePositionForgetsTheNamedLocation) {
    ShowNamedLocation(*form);
    test::Find<TextBox>(*form, "txtLatitude")->setText("41");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());

    ShowNamedLocation(*form);
    test::Find<TextBox>(*form, "txtLongitude")->setText("101");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());

    // Typing, key by key, after the shown latitude.
    ShowNamedLocation(*form);
    QTest::keyClick(test::Find<TextBox>(*form, "txtLatitude"), Qt::Key_End);
    QTest::keyClicks(test::Find<TextBox>(*form, "txtLatitude"), "5");
    EXPECT_EQ(test::Find<TextBox>(*form, "txtLatitude")->text(), "405");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
}

TEST_F(CoordinateChangeTest, TheProgramsOwnWritesKeepTheNamedLocation) {
    ShowNamedLocation(*form);
    test::WritableState(*form).Updating = -1;
    test::Find<TextBox>(*form, "txtLatitude")->setText("41");
    test::Find<TextBox>(*form, "txtLongitude")->setText("101");
    QTest::keyClicks(test::Find<TextBox>(*form, "txtLongitude"), "5");
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Harbour gate");
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
    EXPECT_EQ(form->state().Updating, -1);
}

TEST_F(CoordinateChangeTest, ChangeHandlersCalledDirectly) {
    ShowNamedLocation(*form);
    form->txtLatitude_Change();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "");
    EXPECT_TRUE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());

    ShowNamedLocation(*form);
    test::WritableState(*form).Updating = -1;
    form->txtLongitude_Change();
    EXPECT_EQ(test::Find<ComboBox>(*form, "cboLocations")->text(), "Harbour gate");
    EXPECT_FALSE(test::Find<QPushButton>(*form, "cmdSaveLocation")->isEnabled());
}

}  // namespace
}  // namespace tarvo::testing
