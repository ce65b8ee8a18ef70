#include <gtest/gtest.h>

#include <string>

#include "mainwindow/main_window_state.h"

namespace tarvo {
namespace {

TEST(MainWindowStateTest, ConstantsAndFlags) {
    const MainWindowState s;
    EXPECT_EQ(s.Pi, 3.1415927);
    EXPECT_EQ(s.LineBreak, std::string("\x0A\x0D"));  // line feed, then carriage return
    EXPECT_EQ(s.ConfirmText, std::string("\x0A\x0D") + "Do you really want to do that?");
    EXPECT_EQ(s.MsgTitle, "SNG Tarvo");
    EXPECT_EQ(s.Updating, 0);
    EXPECT_EQ(s.Settings.AzOffset, 0);
    EXPECT_EQ(s.Settings.ElOffset, 0);
}

}  // namespace
}  // namespace tarvo
