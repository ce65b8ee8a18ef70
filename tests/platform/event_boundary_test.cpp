#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>
#include <stdexcept>

#include "common/failure.h"
#include "event_log.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/handler.h"
#include "platform/text_box.h"

namespace tarvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class EventBoundaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EventBoundary::SetReporter([this](const std::string& what) { reports.push_back(what); });
    }
    void TearDown() override { EventBoundary::SetReporter({}); }

    std::vector<std::string> reports;
};

TEST_F(EventBoundaryTest, RunCatchesEveryFailureAndReportsIt) {
    EventBoundary::Run([] { throw RunTimeFailure("Overflow"); });
    EventBoundary::Run([] { throw 42; });
    bool ran = false;
    EventBoundary::Run([&] { ran = true; });
    EventBoundary::Run(Handler());  // no handler: nothing
    EXPECT_TRUE(ran);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], "Overflow");
    EXPECT_FALSE(reports[1].empty());
}

TEST_F(EventBoundaryTest, UserEventsAreBoundariesProgramWritesLetFailuresThrough) {
    TextBox source;
    TextBox target;
    std::vector<std::string> steps;
    target.onChange([] { throw RunTimeFailure("Division by zero"); });
    source.onChange([&] {
        steps.push_back("before");
        target.setText(source.text() + "!");  // throws straight through to this handler...
        steps.push_back("after");
    });

    QTest::keyClick(&source, Qt::Key_1);  // ...which the user's keystroke contains
    EXPECT_THAT(steps, ElementsAre("before"));
    EXPECT_THAT(reports, ElementsAre("Division by zero"));

    // Written by the program, the failure reaches the caller.
    reports.clear();
    EXPECT_THROW(source.setText("2"), RunTimeFailure);
    EXPECT_THAT(reports, IsEmpty());

    // The same for a list choice and a check box click.
    ComboBox list;
    list.addItem("entry");
    list.onClick([] { throw std::runtime_error("chosen"); });
    list.choose(0);
    CheckBox box;
    box.onClick([] { throw std::runtime_error("clicked"); });
    box.userClick();
    EXPECT_THAT(reports, ElementsAre("chosen", "clicked"));
    EXPECT_THROW(box.setValue(0), std::runtime_error);
}

TEST_F(EventBoundaryTest, AResetReporterWritesToStandardError) {
    EventBoundary::SetReporter({});
    testing::internal::CaptureStderr();
    EventBoundary::Run([] { throw RunTimeFailure("Overflow"); });
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_THAT(written, ::testing::HasSubstr("Overflow"));
    EXPECT_THAT(reports, IsEmpty());
}

}  // namespace
}  // namespace tarvo
