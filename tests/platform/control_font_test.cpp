#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>
#include <QMessageBox>

#include "platform/control_font.h"

namespace tarvo {
namespace {

// The controls' font is Liberation Sans 8 point on a machine without MS Sans Serif,
// whatever the font configuration would choose; as the application's font it reaches
// the menu bar and message boxes too.
TEST(ControlFontTest, LiberationSansEightPointEverywhere) {
    const QFontInfo control(ControlFont());
    EXPECT_EQ(control.family(), "Liberation Sans");
    EXPECT_EQ(control.pointSize(), 8);
    EXPECT_FALSE(control.bold());
    EXPECT_FALSE(control.italic());

    const QFont before = QApplication::font();
    QApplication::setFont(ControlFont());
    QMenuBar menuBar;
    QMessageBox box;
    for (QWidget* widget : {static_cast<QWidget*>(&menuBar), static_cast<QWidget*>(&box)}) {
        SCOPED_TRACE(widget->metaObject()->className());
        const QFontInfo used(widget->font());
        EXPECT_EQ(used.family(), "Liberation Sans");
        EXPECT_EQ(used.pointSize(), 8);
    }
    QApplication::setFont(before);
}

}  // namespace
}  // namespace tarvo
