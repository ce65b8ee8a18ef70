#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>

#include "platform/text_box.h"

namespace tarvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(TextBoxTest, ChangeOnEveryKeystrokeAndOnlyOnProgramWritesThatChangeTheText) {
    TextBox box;
    std::vector<std::string> seen;
    box.onChange([&] { seen.push_back(box.text()); });

    // Four keys, four changes, each seeing the text as it is after that key.
    QTest::keyClicks(&box, "40.5");
    EXPECT_THAT(seen, ElementsAre("4", "40", "40.", "40.5"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_THAT(seen.back(), "40.");
    EXPECT_EQ(seen.size(), 5u);

    seen.clear();
    box.setText("40.");  // the same text: nothing happens
    EXPECT_THAT(seen, IsEmpty());
    box.setText("41");
    EXPECT_THAT(seen, ElementsAre("41"));
    box.setText("");
    EXPECT_THAT(seen, ElementsAre("41", ""));
    box.setText("");
    EXPECT_EQ(seen.size(), 2u);
}

TEST(TextBoxTest, WithoutHandlerNothingHappensAndAHandlerMayWriteItsOwnBox) {
    TextBox box;
    QTest::keyClicks(&box, "ab");
    box.setText("cd");
    EXPECT_EQ(box.text(), "cd");

    // A handler that rewrites its own box (as a formatter would) runs once more for the
    // rewrite and then settles: the second write finds the text unchanged.
    int calls = 0;
    box.onChange([&] {
        ++calls;
        box.setText("fixed");
    });
    box.setText("raw");
    EXPECT_EQ(box.text(), "fixed");
    EXPECT_EQ(calls,
              2);  // "raw" -> handler writes "fixed" -> handler writes "fixed" again: no change

    calls = 0;
    QTest::keyClick(&box, Qt::Key_X);  // "fixedx" typed, handler writes "fixed"
    EXPECT_EQ(box.text(), "fixed");
    EXPECT_EQ(calls, 2);
}

TEST(TextBoxTest, ProgramWritesShowTheStartOfTheText) {
    TextBox box;
    QTest::keyClicks(&box, "12");
    EXPECT_EQ(box.cursorPosition(), 2);  // typing: the cursor follows the keys

    // A long number written by the program shows its whole degrees, not its last digits.
    box.setText("40.1234567890123");
    EXPECT_EQ(box.cursorPosition(), 0);
    EXPECT_TRUE(box.selectedText().isEmpty());  // not focused: nothing selected
}

}  // namespace
}  // namespace tarvo
