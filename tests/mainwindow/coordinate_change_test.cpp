#include <QPushButton>
#include <QTest>

#include "form_fixture.h"

namespace tarvo::testing {
namespace {

using CoordinateChangeTest = FormTest;

// A location chosen from the list, its position shown, "Save New Location" disabled.
void ShowNamedLocation(frmSatellite& form) {
    form.state().Updating = -1;
    form.cboLocations->setText("Harbour gate");
    form.txtLongitude->setText("100");
    form.txtLatitude->setText("40");
    form.state().Updating = 0;
    form.cmdSaveLocation->setEnabled(false);
}

TEST_F(CoordinateChangeTest, EditingThePositionForgetsTheNamedLocation) {
    ShowNamedLocation(*form);
    form->txtLatitude->setText("41");
    EXPECT_EQ(form->cboLocations->text(), "");
    EXPECT_TRUE(form->cmdSaveLocation->isEnabled());

    ShowNamedLocation(*form);
    form->txtLongitude->setText("101");
    EXPECT_EQ(form->cboLocations->text(), "");
    EXPECT_TRUE(form->cmdSaveLocation->isEnabled());

    // Typing, key by key, after the shown latitude.
    ShowNamedLocation(*form);
    QTest::keyClick(form->txtLatitude, Qt::Key_End);
    QTest::keyClicks(form->txtLatitude, "5");
    EXPECT_EQ(form->txtLatitude->text(), "405");
    EXPECT_EQ(form->cboLocations->text(), "");
    EXPECT_TRUE(form->cmdSaveLocation->isEnabled());
}

TEST_F(CoordinateChangeTest, TheProgramsOwnWritesKeepTheNamedLocation) {
    ShowNamedLocation(*form);
    form->state().Updating = -1;
    form->txtLatitude->setText("41");
    form->txtLongitude->setText("101");
    QTest::keyClicks(form->txtLongitude, "5");
    EXPECT_EQ(form->cboLocations->text(), "Harbour gate");
    EXPECT_FALSE(form->cmdSaveLocation->isEnabled());
    EXPECT_EQ(form->state().Updating, -1);
}

TEST_F(CoordinateChangeTest, ChangeHandlersCalledDirectly) {
    ShowNamedLocation(*form);
    form->txtLatitude_Change();
    EXPECT_EQ(form->cboLocations->text(), "");
    EXPECT_TRUE(form->cmdSaveLocation->isEnabled());

    ShowNamedLocation(*form);
    form->state().Updating = -1;
    form->txtLongitude_Change();
    EXPECT_EQ(form->cboLocations->text(), "Harbour gate");
    EXPECT_FALSE(form->cmdSaveLocation->isEnabled());
}

}  // namespace
}  // namespace tarvo::testing
