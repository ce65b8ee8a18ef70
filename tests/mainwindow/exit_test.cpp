#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "data_files.h"
#include "form_fixture.h"

namespace tarvo::testing {
namespace {

// Another window of the program, counting the times it is asked to close.
class OtherWindow : public QWidget {
  public:
    int closeRequests = 0;

  protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        QWidget::closeEvent(event);
    }
};

using ExitTest = FormTest;

// Exit by the button (mouse or Enter) or the menu closes the location file and leaves
// the event loop at once: no window is asked to close, no later event is handled,
// nothing is written.
TEST_F(ExitTest, ExitClosesTheLocationFileAndLeavesTheEventLoopAtOnce) {
    struct Case {
        const char* how;
        std::function<void(frmSatellite&)> exit;
    };
    const Case cases[] = {
        {"button", [](frmSatellite& f) { test::Find<QPushButton>(f, "cmdExit")->click(); }},
        {"Enter on the button",
         [](frmSatellite& f) {
             test::Find<QPushButton>(f, "cmdExit")->setFocus(Qt::TabFocusReason);
             QTest::keyClick(test::Find<QPushButton>(f, "cmdExit"), Qt::Key_Return);
         }},
        {"menu", [](frmSatellite& f) { test::Find<QAction>(f, "mnuExit")->trigger(); }},
    };
    const std::string bytes = LocationFileBytes({Loc("Depot", 40, 100)});
    WriteBytes(folder.file("trucks.loc"), bytes);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        form->OpenLocationData("trucks.loc");
        ASSERT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 1);
        OtherWindow other;
        other.show();
        form->show();
        bool laterEvent = false;
        const int code = RunUntilExit([&] {
            QTimer::singleShot(0, &other, [&laterEvent] { laterEvent = true; });
            c.exit(*form);
        });
        EXPECT_EQ(code, 0);
        EXPECT_FALSE(laterEvent);
        EXPECT_EQ(other.closeRequests, 0);
        EXPECT_TRUE(other.isVisible());
        EXPECT_TRUE(form->isVisible());  // its own close handler did not run either
        EXPECT_EQ(OpenDescriptorsOf(folder.file("trucks.loc")), 0);
        EXPECT_FALSE(form->state().LocFile.has_value());
        EXPECT_EQ(ReadBytes(folder.file("trucks.loc")), bytes);
    }
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
