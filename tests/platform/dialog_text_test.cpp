#include <gtest/gtest.h>

#include "platform/dialog_text.h"

namespace tarvo {
namespace {

TEST(DialogTextTest, ProgramLineBreaksBecomeOneLineBreakEach) {
    // The program's break is line feed then carriage return.
    EXPECT_EQ(MessageText("Location saved.\n\rDo you really want to do that?"),
              QStringLiteral("Location saved.\nDo you really want to do that?"));
    EXPECT_EQ(MessageText("a\n\r\n\rb"), QStringLiteral("a\n\nb"));  // two breaks, one blank line
    EXPECT_EQ(MessageText("a\r\nb\nc\rd"), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(MessageText("Montr\xE9"
                          "al"),
              QString::fromUtf8("Montr\u00E9al"));
    EXPECT_EQ(MessageText(""), QString());
}

TEST(DialogTextTest, FilterListsBecomeQtNameFilters) {
    EXPECT_EQ(NameFilters("Satellite Files (*.sat)|*.sat|All Files (*.*)|*.*"),
              QStringList({"Satellite Files (*.sat)", "All Files (*)"}));
    // Patterns come from the pattern part, whatever the description says.
    EXPECT_EQ(NameFilters("Location Files|*.loc;*.LOC"),
              QStringList({"Location Files (*.loc *.LOC)"}));
    EXPECT_EQ(NameFilters("Odd (*.x)|*.y"), QStringList({"Odd (*.y)"}));
    EXPECT_EQ(NameFilters("Lonely"), QStringList({"Lonely (*)"}));
    EXPECT_TRUE(NameFilters("").isEmpty());
}

}  // namespace
}  // namespace tarvo
