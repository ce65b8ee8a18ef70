#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform_services.h"

namespace tarvo {

// The platform services of the tests: dialogs answer from queues filled by the test,
// every message box is recorded, and nothing ever waits for a person.
//
// When a dialog finds no answer queued for it, it does not block: a message box takes
// its first button (OK or Yes), a file or font dialog is cancelled, and the dialog
// counts in unscriptedCount(). A queued answer that is not one of the box's buttons
// (Yes for an OK/Cancel box) is a mistake of the test: the box takes its first button
// and the mistake is listed in scriptErrors(). A test that scripts every dialog expects
// both to stay empty.
//
// Disk look-ups are real (tests work in their own temporary folders); the current
// directory is the process's own unless the test sets one; the help viewer only
// records what it was asked to open.
class ScriptedPlatform : public PlatformServices {
  public:
    // One text a print job drew, positions in twips on its page (pages from 1).
    struct PrintedText {
        int page = 1;
        double x = 0;
        double y = 0;
        std::string font;
        int points = 0;
        bool bold = false;
        std::string text;
    };

    // One print document: on the default printer (target empty), on a printer chosen in
    // the print dialog ("printer " and its name) or in a PDF file (its path).
    struct PrintedDocument {
        std::string target;
        std::vector<PrintedText> texts;
        int pages = 1;
        bool finished = false;  // Finish was called
    };

    // The scripted printer. By default a printer is set up with a Letter page less
    // quarter-inch margins (11880 by 15480 twips) that prints without failing.
    struct Printer {
        bool present = true;
        bool hasDefault = true;     // false: printers, none the default (the print dialog asks)
        std::string startFailure;   // not empty: the printer cannot be started, for this
        std::string finishFailure;  // not empty: Finish fails, for this
        std::string pdfFailure;     // not empty: no PDF file can be written, for this
        double pageWidth = 11880;
        double pageHeight = 15480;
    };
    void setPrinter(Printer printer) { printer_ = std::move(printer); }
    const std::vector<PrintedDocument>& printedDocuments() const { return documents_; }

    struct Message {
        std::string text;  // as the program wrote it, line breaks included
        MsgButtons buttons;
        MsgIcon icon;
        std::string title;
        MsgAnswer answer;  // what the box answered
    };

    // Queues, consumed in order by the dialog of their kind.
    void queueAnswer(MsgAnswer answer) { answers_.push_back(answer); }
    void queueFile(std::string path);  // the file title is the part after the last '/'
    void queueFile(FileChoice choice) { files_.push_back(std::move(choice)); }
    void queueFileCancel() { files_.push_back(std::nullopt); }
    void queueFont(FontChoice choice) { fonts_.push_back(std::move(choice)); }
    void queueFontCancel() { fonts_.push_back(std::nullopt); }
    // The print dialog: the printer chosen, or cancelled.
    void queuePrinterChoice(std::string name) { printers_.push_back(std::move(name)); }
    void queuePrinterCancel() { printers_.push_back(std::nullopt); }

    void setCurrentDirectory(std::string directory) { currentDirectory_ = std::move(directory); }
    // The next help viewers fail with this reason (empty: they start).
    void setHelpViewerFailure(std::string reason) { helpFailure_ = std::move(reason); }

    // What happened.
    const std::vector<Message>& messages() const { return messages_; }
    const Message& lastMessage() const;  // throws std::logic_error when there is none
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
    int fontRequests() const { return fontRequests_; }
    int printDialogRequests() const { return printDialogRequests_; }
    const std::vector<std::string>& helpFiles() const { return helpFiles_; }
    int unscriptedCount() const { return unscripted_; }
    const std::vector<std::string>& scriptErrors() const { return scriptErrors_; }
    // Answers still queued: a test that scripted more dialogs than ran sees them here.
    std::size_t pendingCount() const {
        return answers_.size() + files_.size() + fonts_.size() + printers_.size();
    }

    // Forgets the recorded messages and requests (not the queues).
    void clearRecords();

    MsgAnswer messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                         std::string_view title) override;
    std::optional<FileChoice> fileDialog(const FileDialogRequest& request) override;
    std::optional<FontChoice> fontDialog() override;
    std::string currentDirectory() override;
    std::string lookUpFileName(std::string_view path) override;
    std::optional<std::string> startHelpViewer(std::string_view helpFile) override;
    PrintJobStart startDefaultPrinterJob() override;
    PrintJobStart startChosenPrinterJob() override;
    PrintJobStart startPdfJob(std::string_view path) override;

  private:
    PrintJobStart StartJob(std::string target);

    Printer printer_;
    std::vector<PrintedDocument> documents_;
    std::deque<MsgAnswer> answers_;
    std::deque<std::optional<FileChoice>> files_;
    std::deque<std::optional<FontChoice>> fonts_;
    std::deque<std::optional<std::string>> printers_;
    std::optional<std::string> currentDirectory_;
    std::string helpFailure_;

    std::vector<Message> messages_;
    std::vector<FileDialogRequest> fileRequests_;
    int fontRequests_ = 0;
    int printDialogRequests_ = 0;
    std::vector<std::string> helpFiles_;
    int unscripted_ = 0;
    std::vector<std::string> scriptErrors_;
};

}  // namespace tarvo
