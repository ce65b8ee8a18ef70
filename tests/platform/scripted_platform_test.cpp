#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/scripted_platform.h"

namespace tarvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ScriptedPlatformTest, MessageBoxesAreRecordedAndAnsweredFromTheQueue) {
    ScriptedPlatform platform;
    EXPECT_THROW(platform.lastMessage(), std::logic_error);
    platform.queueAnswer(MsgAnswer::No);
    platform.queueAnswer(MsgAnswer::Cancel);

    EXPECT_EQ(platform.messageBox("Delete it?\n\rDo you really want to do that?", MsgButtons::YesNo,
                                  MsgIcon::Question, "SNG Tarvo"),
              MsgAnswer::No);
    EXPECT_EQ(
        platform.messageBox("Overwrite?", MsgButtons::OkCancel, MsgIcon::Exclamation, "SNG Tarvo"),
        MsgAnswer::Cancel);
    EXPECT_EQ(platform.unscriptedCount(), 0);
    EXPECT_EQ(platform.pendingCount(), 0u);

    // Nothing queued: the first button, counted.
    EXPECT_EQ(platform.messageBox("Saved", MsgButtons::Ok, MsgIcon::None, "SNG Tarvo"),
              MsgAnswer::Ok);
    EXPECT_EQ(platform.messageBox("Sure?", MsgButtons::YesNo, MsgIcon::None, ""), MsgAnswer::Yes);
    EXPECT_EQ(platform.messageBox("Go?", MsgButtons::OkCancel, MsgIcon::None, ""), MsgAnswer::Ok);
    EXPECT_EQ(platform.unscriptedCount(), 3);

    // An answer the box does not offer: the first button, and the mistake is listed.
    platform.queueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(platform.messageBox("Go?", MsgButtons::OkCancel, MsgIcon::None, ""), MsgAnswer::Ok);
    ASSERT_EQ(platform.scriptErrors().size(), 1u);
    EXPECT_THAT(platform.scriptErrors()[0], ::testing::HasSubstr("Go?"));
    EXPECT_EQ(platform.unscriptedCount(), 3);

    ASSERT_EQ(platform.messages().size(), 6u);
    const auto& first = platform.messages()[0];
    EXPECT_EQ(first.text, "Delete it?\n\rDo you really want to do that?");
    EXPECT_EQ(first.buttons, MsgButtons::YesNo);
    EXPECT_EQ(first.icon, MsgIcon::Question);
    EXPECT_EQ(first.title, "SNG Tarvo");
    EXPECT_EQ(first.answer, MsgAnswer::No);
    EXPECT_EQ(platform.messages()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(platform.lastMessage().text, "Go?");

    platform.clearRecords();
    EXPECT_THAT(platform.messages(), IsEmpty());
    EXPECT_EQ(platform.unscriptedCount(), 3);  // the count stays for the final check
}

TEST(ScriptedPlatformTest, FileAndFontDialogsTakeChoicesOrCancelInOrder) {
    ScriptedPlatform platform;
    platform.queueFile("/data/trucks/North.loc");
    platform.queueFileCancel();
    platform.queueFile(FileChoice{"/x/y.sat", "y.sat"});

    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.filter = "Location Files (*.loc)|*.loc";
    request.filterIndex = 1;
    request.fileName = "/data/trucks/Old.loc";

    const auto first = platform.fileDialog(request);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->path, "/data/trucks/North.loc");
    EXPECT_EQ(first->fileTitle, "North.loc");
    EXPECT_FALSE(platform.fileDialog(request).has_value());
    EXPECT_EQ(platform.fileDialog(request)->fileTitle, "y.sat");
    EXPECT_EQ(platform.unscriptedCount(), 0);
    EXPECT_FALSE(platform.fileDialog(request).has_value());  // nothing queued: cancelled
    EXPECT_EQ(platform.unscriptedCount(), 1);
    ASSERT_EQ(platform.fileRequests().size(), 4u);
    EXPECT_EQ(platform.fileRequests()[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(platform.fileRequests()[0].filter, "Location Files (*.loc)|*.loc");
    EXPECT_EQ(platform.fileRequests()[0].fileName, "/data/trucks/Old.loc");

    platform.queueFont(FontChoice{"Liberation Sans", 10.5});
    platform.queueFontCancel();
    const auto font = platform.fontDialog();
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->name, "Liberation Sans");
    EXPECT_EQ(font->size, 10.5);
    EXPECT_FALSE(platform.fontDialog().has_value());
    EXPECT_EQ(platform.unscriptedCount(), 1);
    EXPECT_FALSE(platform.fontDialog().has_value());
    EXPECT_EQ(platform.unscriptedCount(), 2);
    EXPECT_EQ(platform.fontRequests(), 3);
}

TEST(ScriptedPlatformTest, HelpViewerRecordsItsDocumentAndFailsWhenTold) {
    ScriptedPlatform platform;
    EXPECT_EQ(platform.startHelpViewer("/sng/tarvo.hlp"), std::nullopt);
    platform.setHelpViewerFailure("no viewer");
    EXPECT_EQ(platform.startHelpViewer("/sng/tarvo.hlp"), std::optional<std::string>("no viewer"));
    EXPECT_THAT(platform.helpFiles(), ElementsAre("/sng/tarvo.hlp", "/sng/tarvo.hlp"));
}

}  // namespace
}  // namespace tarvo
