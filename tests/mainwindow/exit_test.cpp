#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QWidget>

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

}  // namespace
}  // namespace tarvo::testing
