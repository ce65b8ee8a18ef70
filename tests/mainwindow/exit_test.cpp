#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "data_files.h"
#include "form_fixture.h"

namespace tarvo::testing {
namespace {

using ExitTest = FormTest;

TEST_F(ExitTest, ExitButtonClosesEveryWindow) {
    QWidget other;
    other.show();
    form->show();
    ASSERT_TRUE(form->isVisible());
    form->cmdExit->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(other.isVisible());
}

TEST_F(ExitTest, ExitMenuItemClosesEveryWindow) {
    QWidget other;
    other.show();
    form->show();
    form->mnuExit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(other.isVisible());
}

TEST_F(ExitTest, ExitClosesTheLocationFile) {
    WriteBytes(folder.file("trucks.loc"), LocationFileBytes({Loc("Depot", 40, 100)}));
    form->OpenLocationData("trucks.loc");
    form->show();
    ASSERT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 1);
    form->cmdExit->click();
    EXPECT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 0);
    EXPECT_FALSE(form->state().LocFile.has_value());

    form->OpenLocationData("trucks.loc");
    form->show();
    form->mnuExit->trigger();
    EXPECT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 0);
    // Nothing was written at exit.
    EXPECT_EQ(ReadBytes(folder.file("trucks.loc")), LocationFileBytes({Loc("Depot", 40, 100)}));
}

TEST_F(ExitTest, ClosingTheWindowByItsFrameEndsTheProgram) {
    WriteBytes(folder.file("trucks.loc"), "");
    form->OpenLocationData("trucks.loc");
    QWidget other;
    other.show();
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 0);
}

}  // namespace
}  // namespace tarvo::testing
