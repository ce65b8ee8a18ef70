#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "common/failure.h"
#include "event_log.h"
#include "platform/check_box.h"
#include "platform/option_button.h"

namespace tarvo {
namespace {

using test::EventLog;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(CheckBoxTest, ClickWheneverTheValueChangesAndTheUserNeverGraysIt) {
    CheckBox box;
    std::vector<int> clicks;  // the value each click handler saw
    box.onClick([&] { clicks.push_back(box.value()); });

    EXPECT_EQ(box.value(), 0);
    box.setValue(0);  // unchanged
    EXPECT_THAT(clicks, IsEmpty());
    box.setValue(1);
    box.setValue(1);
    box.setValue(2);
    EXPECT_THAT(clicks, ElementsAre(1, 2));
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);

    // The user: grayed -> ticked -> cleared -> ticked.
    clicks.clear();
    box.userClick();
    box.userClick();
    box.userClick();
    EXPECT_THAT(clicks, ElementsAre(1, 0, 1));

    // The space bar is a click too.
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_THAT(clicks, ElementsAre(1, 0, 1, 0));

    EXPECT_THROW(box.setValue(3), RunTimeFailure);
    EXPECT_EQ(box.value(), 0);

    // A disabled box cannot be clicked by the user, but the program still sets it.
    box.setEnabled(false);
    box.userClick();
    EXPECT_EQ(box.value(), 0);
    box.setValue(1);
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(clicks.size(), 5u);
}

TEST(OptionButtonTest, ButtonsOfOneParentExcludeEachOtherAndClickOnlyOnBecomingSelected) {
    QWidget frame;
    auto* alpha = new OptionButton("Alpha", &frame);
    auto* arc = new OptionButton("Arc", &frame);
    EventLog log;
    alpha->onClick(log.record("alpha"));
    arc->onClick(log.record("arc"));
    EXPECT_EQ(alpha->text(), "Alpha");

    alpha->userClick();
    EXPECT_TRUE(alpha->value());
    EXPECT_FALSE(arc->value());
    alpha->userClick();  // already selected: nothing
    EXPECT_THAT(log.events, ElementsAre("alpha"));

    arc->setValue(true);  // the program selects the other one; alpha is cleared silently
    arc->setValue(true);
    EXPECT_TRUE(arc->value());
    EXPECT_FALSE(alpha->value());
    EXPECT_THAT(log.events, ElementsAre("alpha", "arc"));

    QTest::keyClick(alpha, Qt::Key_Space);
    EXPECT_TRUE(alpha->value());
    EXPECT_THAT(log.events, ElementsAre("alpha", "arc", "alpha"));

    // The program may clear the selected button; nothing is raised and none is selected.
    alpha->setValue(false);
    EXPECT_FALSE(alpha->value());
    EXPECT_FALSE(arc->value());
    EXPECT_EQ(log.events.size(), 3u);
    // And the buttons still exclude each other afterwards.
    alpha->userClick();
    arc->userClick();
    EXPECT_FALSE(alpha->value());
    EXPECT_THAT(log.events, ElementsAre("alpha", "arc", "alpha", "alpha", "arc"));
}

TEST(OptionButtonTest, ProgramSelectionInsideAHandlerRunsAtOnce) {
    QWidget frame;
    OptionButton first("First", &frame);
    OptionButton second("Second", &frame);
    EventLog log;
    first.onClick([&] {
        log.events.push_back("first");
        second.setValue(true);  // the handler changes its mind
        log.events.push_back("first done");
    });
    second.onClick(log.record("second"));
    first.userClick();
    EXPECT_THAT(log.events, ElementsAre("first", "second", "first done"));
    EXPECT_FALSE(first.value());
    EXPECT_TRUE(second.value());
}

}  // namespace
}  // namespace tarvo
