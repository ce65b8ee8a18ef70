// "Print Look List" without a default printer: the PDF file offered where no printer is
// set up (its name completed, the program's own files refused, a file there replaced
// only when the user says so), and the print dialog where printers are set up but none
// is the default.

#include <gtest/gtest.h>

#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "look_list_fixture.h"
#include "support/file_bytes.h"

namespace tarvo::testing {
namespace {

namespace fs = std::filesystem;

class LookListPdfTest : public LookListTest {
  protected:
    // The sample folder, with no printer set up: tarvo.ini names tarvo.sat and tarvo.loc.
    void StartWithoutPrinter() {
        StartOnSamples();
        ScriptedPlatform::Printer none;
        none.present = false;
        platform.setPrinter(none);
        platform.clearRecords();
    }

    // Print Look List, Yes to the PDF question, `name` chosen in the save dialog, and
    // `answer` queued for one more question.
    void SaveAs(const std::string& name, std::optional<MsgAnswer> answer = std::nullopt) {
        platform.queueAnswer(MsgAnswer::Yes);
        platform.queueFile(name);
        if (answer) {
            platform.queueAnswer(*answer);
        }
        test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    }
};

TEST_F(LookListPdfTest, TheFileNameIsCompletedAndTheProgramsOwnFilesAreRefused) {
    StartWithoutPrinter();
    fs::create_directory(folder.file("sub"));
    fs::create_symlink(folder.file("tarvo.loc"), folder.file("places.pdf"));
    const std::string dir = folder.path().string();
    const std::string refusal =
        "\n\rThe look list cannot be saved over it. Please choose another name.";

    struct Case {
        std::string chosen;
        std::string written;  // the PDF's path; empty: nothing written
        std::string message;  // the message after the PDF question; empty: none
    };
    const Case cases[] = {
        {dir + "/atlanta", dir + "/atlanta.pdf", ""},
        {dir + "/atlanta.list", dir + "/atlanta.list", ""},  // an extension of the crew's own
        {dir + "/tarvo.ini", "",
         dir + "/tarvo.ini\n\rThis is the settings file of the program." + refusal},
        // The same files under other names: relative, through "..", through a link.
        {"tarvo.sat", "", "tarvo.sat\n\rThis is the current satellite file." + refusal},
        {dir + "/sub/../tarvo.sat", "",
         dir + "/sub/../tarvo.sat\n\rThis is the current satellite file." + refusal},
        {dir + "/places.pdf", "",
         dir + "/places.pdf\n\rThis is the current location file." + refusal},
        // "tarvo" becomes tarvo.pdf, which is none of them.
        {dir + "/tarvo", dir + "/tarvo.pdf", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const std::size_t documents = platform.printedDocuments().size();
        platform.clearRecords();
        // A refusal is answered with its one button.
        SaveAs(c.chosen, c.message.empty() ? std::nullopt : std::optional(MsgAnswer::Ok));

        ASSERT_EQ(platform.messages().size(), c.message.empty() ? 1u : 2u);
        if (c.message.empty()) {
            ASSERT_EQ(platform.printedDocuments().size(), documents + 1);
            EXPECT_EQ(platform.printedDocuments().back().target, c.written);
            EXPECT_TRUE(platform.printedDocuments().back().finished);
        } else {
            EXPECT_EQ(platform.printedDocuments().size(), documents);
            const ScriptedPlatform::Message& told = platform.lastMessage();
            EXPECT_EQ(told.text, c.message);
            EXPECT_EQ(told.buttons, MsgButtons::Ok);
            EXPECT_EQ(told.icon, MsgIcon::Exclamation);
            EXPECT_EQ(told.title, "SNG Tarvo");
        }
    }
    // The refused names changed nothing: the files are the samples' still.
    for (const char* name : {"tarvo.ini", "tarvo.sat", "tarvo.loc"}) {
        EXPECT_EQ(test::ReadBytes(folder.file(name)),
                  test::ReadBytes(fs::path(TARVO_SAMPLES) / name))
            << name;
    }
    EXPECT_EQ(platform.unscriptedCount(), 0);
    EXPECT_TRUE(platform.scriptErrors().empty());
}

TEST_F(LookListPdfTest, AFileThereIsReplacedOnlyWhenTheUserSaysSo) {
    StartWithoutPrinter();
    const std::string old = folder.Name("old.pdf");
    std::ofstream(old) << "an older list";
    const std::string question =
        old +
        " already exists.\n\rThe look list will replace it.\n\rDo you really want to do that?";

    SaveAs(folder.Name("old"), MsgAnswer::Cancel);  // old.pdf, after the extension is added
    ASSERT_EQ(platform.messages().size(), 2u);
    EXPECT_EQ(platform.lastMessage().text, question);
    EXPECT_EQ(platform.lastMessage().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(platform.lastMessage().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(platform.printedDocuments().empty());

    SaveAs(old, MsgAnswer::Ok);
    EXPECT_EQ(platform.messages().size(), 4u);
    EXPECT_EQ(platform.lastMessage().text, question);
    ASSERT_EQ(platform.printedDocuments().size(), 1u);
    EXPECT_EQ(platform.printedDocuments()[0].target, old);

    // A new name is not asked about.
    SaveAs(folder.Name("new.pdf"));
    EXPECT_EQ(platform.messages().size(), 5u);
    EXPECT_EQ(platform.printedDocuments().size(), 2u);
    EXPECT_EQ(platform.unscriptedCount(), 0);
}

TEST_F(LookListPdfTest, PrintersWithoutADefaultOfferThePrintDialog) {
    StartOnSamples();
    ScriptedPlatform::Printer noDefault;
    noDefault.hasDefault = false;
    platform.setPrinter(noDefault);

    platform.queuePrinterChoice("Office");
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    EXPECT_EQ(platform.printDialogRequests(), 1);
    ASSERT_EQ(platform.printedDocuments().size(), 1u);
    const ScriptedPlatform::PrintedDocument& printed = platform.printedDocuments()[0];
    EXPECT_EQ(printed.target, "printer Office");
    EXPECT_TRUE(printed.finished);
    EXPECT_EQ(printed.texts.size(), 6u + 15u);  // the whole list: heading and five rows
    EXPECT_TRUE(platform.messages().empty());   // no word of a missing printer, no PDF

    // Cancelled: nothing printed, nothing said.
    platform.queuePrinterCancel();
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    EXPECT_EQ(platform.printDialogRequests(), 2);
    EXPECT_EQ(platform.printedDocuments().size(), 1u);
    EXPECT_TRUE(platform.messages().empty());

    // The chosen printer fails to start: told as for the default printer.
    noDefault.startFailure = "The printer Office could not be started.";
    platform.setPrinter(noDefault);
    platform.queuePrinterChoice("Office");
    platform.queueAnswer(MsgAnswer::Ok);
    test::Find<QPushButton>(*form, "cmdPrintLookList")->click();
    EXPECT_EQ(platform.lastMessage().text,
              "The look list could not be printed.\n\rThe printer Office could not be started.");
    EXPECT_EQ(platform.printedDocuments().size(), 1u);
    EXPECT_EQ(platform.unscriptedCount(), 0);
}

}  // namespace
}  // namespace tarvo::testing
