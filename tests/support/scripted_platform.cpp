#include "support/scripted_platform.h"

#include <filesystem>
#include <stdexcept>

#include "common/codepage.h"
#include "platform/file_lookup.h"

namespace tarvo {

namespace {

MsgAnswer FirstButton(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

bool Offers(MsgButtons buttons, MsgAnswer answer) {
    switch (buttons) {
        case MsgButtons::Ok:
            return answer == MsgAnswer::Ok;
        case MsgButtons::OkCancel:
            return answer == MsgAnswer::Ok || answer == MsgAnswer::Cancel;
        case MsgButtons::YesNo:
            return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    }
    return false;
}

// A print job that writes into the platform's record of documents.
class ScriptedPrintJob : public PrintJob {
  public:
    ScriptedPrintJob(std::vector<ScriptedPlatform::PrintedDocument>& documents, std::size_t index,
                     ScriptedPlatform::Printer printer)
        : documents_(documents), index_(index), printer_(std::move(printer)) {}

    double PageWidth() const override { return printer_.pageWidth; }
    double PageHeight() const override { return printer_.pageHeight; }
    void DrawText(double x, double y, std::string_view fontName, int points, bool bold,
                  std::string_view text) override {
        ScriptedPlatform::PrintedDocument& document = documents_[index_];
        document.texts.push_back(
            {document.pages, x, y, std::string(fontName), points, bold, std::string(text)});
    }
    void NewPage() override { ++documents_[index_].pages; }
    bool Finish(std::string& error) override {
        documents_[index_].finished = true;
        error = printer_.finishFailure;
        return error.empty();
    }

  private:
    std::vector<ScriptedPlatform::PrintedDocument>& documents_;
    std::size_t index_;
    ScriptedPlatform::Printer printer_;
};

const char* Name(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Ok:
            return "Ok";
        case MsgAnswer::Cancel:
            return "Cancel";
        case MsgAnswer::Yes:
            return "Yes";
        case MsgAnswer::No:
            return "No";
    }
    return "?";
}

}  // namespace

void ScriptedPlatform::queueFile(std::string path) {
    const std::size_t slash = path.find_last_of('/');
    std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
    files_.push_back(FileChoice{std::move(path), std::move(title)});
}

const ScriptedPlatform::Message& ScriptedPlatform::lastMessage() const {
    if (messages_.empty()) {
        throw std::logic_error("no message box was shown");
    }
    return messages_.back();
}

void ScriptedPlatform::clearRecords() {
    messages_.clear();
    fileRequests_.clear();
    fontRequests_ = 0;
    printDialogRequests_ = 0;
    helpFiles_.clear();
}

MsgAnswer ScriptedPlatform::messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                                       std::string_view title) {
    MsgAnswer answer = FirstButton(buttons);
    if (answers_.empty()) {
        ++unscripted_;
    } else {
        const MsgAnswer queued = answers_.front();
        answers_.pop_front();
        if (Offers(buttons, queued)) {
            answer = queued;
        } else {
            scriptErrors_.push_back(std::string("answer ") + Name(queued) +
                                    " queued for a box without that button: " + std::string(text));
        }
    }
    messages_.push_back(Message{std::string(text), buttons, icon, std::string(title), answer});
    return answer;
}

std::optional<FileChoice> ScriptedPlatform::fileDialog(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    if (files_.empty()) {
        ++unscripted_;
        return std::nullopt;
    }
    std::optional<FileChoice> choice = std::move(files_.front());
    files_.pop_front();
    return choice;
}

std::optional<FontChoice> ScriptedPlatform::fontDialog() {
    ++fontRequests_;
    if (fonts_.empty()) {
        ++unscripted_;
        return std::nullopt;
    }
    std::optional<FontChoice> choice = std::move(fonts_.front());
    fonts_.pop_front();
    return choice;
}

std::string ScriptedPlatform::currentDirectory() {
    if (currentDirectory_) {
        return *currentDirectory_;
    }
    const std::u8string path = std::filesystem::current_path().u8string();
    const std::string utf8(path.begin(), path.end());
    return Utf8FitsCp1252(utf8) ? Utf8ToCp1252(utf8) : std::string();
}

std::string ScriptedPlatform::lookUpFileName(std::string_view path) {
    return LookUpFileName(path);
}

std::optional<std::string> ScriptedPlatform::startHelpViewer(std::string_view helpFile) {
    helpFiles_.emplace_back(helpFile);
    if (!helpFailure_.empty()) {
        return helpFailure_;
    }
    return std::nullopt;
}

PrintJobStart ScriptedPlatform::StartJob(std::string target) {
    documents_.push_back(PrintedDocument{std::move(target), {}, 1, false});
    PrintJobStart start;
    start.job = std::make_unique<ScriptedPrintJob>(documents_, documents_.size() - 1, printer_);
    return start;
}

PrintJobStart ScriptedPlatform::startDefaultPrinterJob() {
    PrintJobStart refused;
    if (!printer_.present) {
        refused.noPrinter = true;
        refused.error = "No printer is set up on this computer.";
        return refused;
    }
    if (!printer_.hasDefault) {
        refused.noDefaultPrinter = true;
        refused.error = "No printer is set as the default on this computer.";
        return refused;
    }
    if (!printer_.startFailure.empty()) {
        refused.error = printer_.startFailure;
        return refused;
    }
    return StartJob("");
}

PrintJobStart ScriptedPlatform::startChosenPrinterJob() {
    ++printDialogRequests_;
    PrintJobStart refused;
    if (printers_.empty()) {
        ++unscripted_;
        refused.cancelled = true;
        return refused;
    }
    const std::optional<std::string> chosen = std::move(printers_.front());
    printers_.pop_front();
    if (!chosen) {
        refused.cancelled = true;
        return refused;
    }
    if (!printer_.startFailure.empty()) {
        refused.error = printer_.startFailure;
        return refused;
    }
    return StartJob("printer " + *chosen);
}

PrintJobStart ScriptedPlatform::startPdfJob(std::string_view path) {
    if (!printer_.pdfFailure.empty()) {
        PrintJobStart refused;
        refused.error = printer_.pdfFailure;
        return refused;
    }
    return StartJob(std::string(path));
}

}  // namespace tarvo
