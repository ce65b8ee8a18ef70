#include "mainwindow/prompts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/scripted_platform.h"

namespace tarvo::testing {
namespace {

// Each kind of prompt: the box it shows and what it makes of the button pressed.
TEST(PromptsTest, EachPromptShowsItsBoxAndReadsTheAnswer) {
    struct Case {
        const char* what;
        std::function<bool(const Prompts&)> show;  // true when the command goes on
        MsgAnswer pressed;
        MsgButtons buttons;
        MsgIcon icon;
        bool goesOn;
    };
    const std::vector<Case> cases = {
        {"refusal",
         [](const Prompts& p) {
             p.Refusal("text");
             return false;
         },
         MsgAnswer::Ok, MsgButtons::Ok, MsgIcon::Exclamation, false},
        {"report",
         [](const Prompts& p) {
             p.Report("text");
             return false;
         },
         MsgAnswer::Ok, MsgButtons::Ok, MsgIcon::None, false},
        {"question, yes", [](const Prompts& p) { return p.AnsweredYes("text", MsgIcon::Question); },
         MsgAnswer::Yes, MsgButtons::YesNo, MsgIcon::Question, true},
        {"question, no", [](const Prompts& p) { return p.AnsweredYes("text", MsgIcon::None); },
         MsgAnswer::No, MsgButtons::YesNo, MsgIcon::None, false},
        {"warning, ok", [](const Prompts& p) { return p.ConfirmedOk("text"); }, MsgAnswer::Ok,
         MsgButtons::OkCancel, MsgIcon::Exclamation, true},
        {"warning, cancel", [](const Prompts& p) { return p.ConfirmedOk("text"); },
         MsgAnswer::Cancel, MsgButtons::OkCancel, MsgIcon::Exclamation, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPlatform platform;
        const std::string title = "Title of the program";
        platform.queueAnswer(c.pressed);
        EXPECT_EQ(c.show(Prompts(platform, title)), c.goesOn);
        ASSERT_EQ(platform.messages().size(), 1u);
        const ScriptedPlatform::Message& box = platform.lastMessage();
        EXPECT_EQ(box.text, "text");
        EXPECT_EQ(box.buttons, c.buttons);
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.title, title);
        EXPECT_TRUE(platform.scriptErrors().empty());
        EXPECT_EQ(platform.pendingCount(), 0u);
    }
}

}  // namespace
}  // namespace tarvo::testing
