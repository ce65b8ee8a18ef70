// The Help menu: the help viewer started on tarvo.hlp of the start-up folder, what is
// missing reported, and one About box.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "dialogs/frm_about.h"

namespace tarvo::testing {
namespace {

using HelpTest = FormTest;

TEST_F(HelpTest, HelpFilesStartsTheViewerOnTarvoHlpOfTheStartUpFolder) {
    struct Case {
        std::string startDir;
        std::string helpFile;
    };
    const std::vector<Case> cases = {
        {"/home/crew/sng", "/home/crew/sng/tarvo.hlp"},
        {"/home/crew/SNG truck 2", "/home/crew/SNG truck 2/tarvo.hlp"},  // one argument, whole
        {"/", "/tarvo.hlp"},
    };
    for (const Case& c : cases) {
        platform.clearRecords();
        test::WritableState(*form).StartDir = c.startDir;
        test::Find<QAction>(*form, "mnuCallHelp")->trigger();
        EXPECT_THAT(platform.helpFiles(), ::testing::ElementsAre(c.helpFile));
        EXPECT_THAT(platform.messages(), ::testing::IsEmpty());
    }
}

TEST_F(HelpTest, WhatKeepsTheViewerFromOpeningIsReportedAndTheProgramGoesOn) {
    test::WritableState(*form).StartDir = "/home/crew/sng";
    for (const char* reason : {"Cannot find the help file /home/crew/sng/tarvo.hlp",
                               "Cannot find the help viewer /opt/sng/sng-tarvo-help"}) {
        platform.clearRecords();
        platform.setHelpViewerFailure(reason);
        test::Find<QAction>(*form, "mnuCallHelp")->trigger();
        ASSERT_EQ(platform.messages().size(), 1u);
        const ScriptedPlatform::Message& m = platform.lastMessage();
        EXPECT_EQ(m.text, reason);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.title, "SNG Tarvo");
    }
    // The next try, with the piece in place, opens the viewer.
    platform.clearRecords();
    platform.setHelpViewerFailure("");
    test::Find<QAction>(*form, "mnuCallHelp")->trigger();
    EXPECT_EQ(platform.helpFiles().size(), 1u);
    EXPECT_THAT(platform.messages(), ::testing::IsEmpty());
}

using AboutTest = FormTest;

TEST_F(AboutTest, OneAboutBoxBroughtToTheFrontAndGoneWhenClosed) {
    form->show();
    test::Find<QAction>(*form, "mnuAbout")->trigger();
    QList<frmAbout*> open = OpenWindows<frmAbout>(form.get());
    ASSERT_EQ(open.size(), 1);
    frmAbout* about = open.front();
    EXPECT_TRUE(form->isEnabled());  // not modal: the main window stays usable

    about->showMinimized();
    test::Find<QAction>(*form, "mnuAbout")->trigger();
    open = OpenWindows<frmAbout>(form.get());
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front(), about);
    EXPECT_FALSE(about->isMinimized());

    about->cmdClose->click();
    EXPECT_THAT(OpenWindows<frmAbout>(form.get()), ::testing::IsEmpty());
    test::Find<QAction>(*form, "mnuAbout")->trigger();
    EXPECT_EQ(OpenWindows<frmAbout>(form.get()).size(), 1);
}

}  // namespace
}  // namespace tarvo::testing
