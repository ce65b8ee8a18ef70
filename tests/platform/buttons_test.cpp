#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "common/failure.h"
#include "event_log.h"
#include "platform/check_box.h"
#include "platform/command_button.h"
#include "platform/option_button.h"
#include "platform/text_box.h"

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

// Enter on the focused button presses it as the space bar does; nothing else does.
TEST(CommandButtonTest, EnterOnTheFocusedButtonPressesIt) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool enabled;
        int presses;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, true, 1},
        {Qt::Key_Enter, Qt::KeypadModifier, true, 1},  // the Enter of the number pad
        {Qt::Key_Space, Qt::NoModifier, true, 1},
        {Qt::Key_Return, Qt::NoModifier, false, 0},
        {Qt::Key_Return, Qt::ControlModifier, true, 0},
        {Qt::Key_Return, Qt::AltModifier, true, 0},
        {Qt::Key_A, Qt::NoModifier, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "key " << c.key << " modifiers " << c.modifiers
                                          << " enabled " << c.enabled);
        CommandButton button("Calculate");
        int presses = 0;
        QObject::connect(&button, &QPushButton::clicked, [&] { ++presses; });
        button.setEnabled(c.enabled);
        QTest::keyClick(&button, c.key, c.modifiers);
        EXPECT_EQ(presses, c.presses);
    }
}

TEST(CommandButtonTest, EnterElsewhereInTheWindowPressesNoButton) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new TextBox(&window);
    auto* button = new CommandButton("Calculate", &window);
    layout->addWidget(box);
    layout->addWidget(button);
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++presses; });
    window.show();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(button->text(), "Calculate");
}

// The option buttons of one frame are one tab stop, the selected one, in both
// directions. With none selected Tab reaches the first, which then keeps the stop.
TEST(OptionButtonTest, TheSelectedButtonIsTheGroupsTabStop) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new TextBox(&window);
    auto* frame = new QWidget(&window);
    auto* frameLayout = new QVBoxLayout(frame);
    auto* alpha = new OptionButton("Alpha", frame);
    auto* arc = new OptionButton("Arc", frame);
    frameLayout->addWidget(alpha);
    frameLayout->addWidget(arc);
    auto* after = new TextBox(&window);
    layout->addWidget(before);
    layout->addWidget(frame);
    layout->addWidget(after);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const auto tabFrom = [](QWidget* from, Qt::KeyboardModifiers modifiers) {
        from->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(from, Qt::Key_Tab, modifiers);
        return QApplication::focusWidget();
    };
    struct Case {
        const char* selected;  // set by the program, or by the user's click
        QWidget* forward;      // Tab from the box before the frame
        QWidget* backward;     // Shift+Tab from the box after it
    };
    const Case cases[] = {
        {"program arc", arc, arc},
        {"program alpha", alpha, alpha},
        {"user arc", arc, arc},
        {"none", alpha, alpha},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        const std::string how = c.selected;
        if (how == "program arc") {
            arc->setValue(true);
        } else if (how == "program alpha") {
            alpha->setValue(true);
        } else if (how == "user arc") {
            arc->userClick();
        } else {
            arc->setValue(false);
        }
        EXPECT_EQ(tabFrom(before, Qt::NoModifier), c.forward);
        EXPECT_EQ(tabFrom(after, Qt::ShiftModifier), c.backward);
    }
    // From the selected button Tab leaves the group.
    arc->setValue(true);
    EXPECT_EQ(tabFrom(arc, Qt::NoModifier), after);
    EXPECT_EQ(tabFrom(arc, Qt::ShiftModifier), before);
}

}  // namespace
}  // namespace tarvo
