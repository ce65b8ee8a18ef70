#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// Everything that would block a test or needs hardware goes through this interface:
// QtPlatform is the real one, ScriptedPlatform answers from a queue in tests.
// All texts are program text (Windows-1252).

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string filter;    // "Satellite Files (*.sat)|*.sat|All Files (*.*)|*.*"
    int filterIndex = 1;   // from 1
    std::string fileName;  // offered in the name field: the last path chosen
};

struct FileChoice {
    std::string path;       // the chosen file with its directory
    std::string fileTitle;  // the name alone
    // False when the chosen path holds characters that program text (Windows-1252)
    // cannot hold: they stand as '?' in `path`, which then names no file of the user's.
    bool fitsCodePage = true;
};

struct FontChoice {
    std::string name;
    double size = 0;  // points
};

// One print document on a printer or in a PDF file. Positions are in twips from the
// top left corner of the printable area of the page; fonts are a face name, whole
// points and the weight. A failure of the printer is kept and told by Finish.
class PrintJob {
  public:
    virtual ~PrintJob() = default;

    // The printable area of a page, in twips.
    virtual double PageWidth() const = 0;
    virtual double PageHeight() const = 0;

    // Draws `text` (program text) with its left edge at x and the top of its line at y.
    virtual void DrawText(double x, double y, std::string_view fontName, int points, bool bold,
                          std::string_view text) = 0;

    // Ends the page and continues on a new one.
    virtual void NewPage() = 0;

    // Ends the document and releases it to the printer (or writes the file). Returns
    // false, and says why in `error`, when the printer failed at any point of the job.
    virtual bool Finish(std::string& error) = 0;
};

// The outcome of asking for a print document: a job, or why there is none.
struct PrintJobStart {
    std::unique_ptr<PrintJob> job;
    bool noPrinter = false;         // no printer is set up at all
    bool noDefaultPrinter = false;  // printers are set up, but none is the default
    bool cancelled = false;         // the user cancelled the print dialog
    std::string error;              // why there is no job (empty when cancelled)
};

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // A modal message box. Texts keep the program's line break (line feed followed by
    // carriage return); the real box shows it as one line break.
    virtual MsgAnswer messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                                 std::string_view title) = 0;

    // The standard open or save dialog; nullopt when the user cancels.
    virtual std::optional<FileChoice> fileDialog(const FileDialogRequest& request) = 0;

    // The standard font dialog; nullopt when the user cancels.
    virtual std::optional<FontChoice> fontDialog() = 0;

    // The process's current directory, or the empty text when there is none to give:
    // a path that program text cannot hold (see Utf8FitsCp1252) or a folder removed.
    virtual std::string currentDirectory() = 0;

    // Looks a path up on disk as a directory listing would: the file's name as stored
    // (without directory), or the empty text when no file is there.
    virtual std::string lookUpFileName(std::string_view path) = 0;

    // Opens the help document in a separate viewer without waiting for it. Nothing when
    // the viewer started; otherwise the text that tells the user what is missing or
    // what failed.
    virtual std::optional<std::string> startHelpViewer(std::string_view helpFile) = 0;

    // A print document on the system's default printer.
    virtual PrintJobStart startDefaultPrinterJob() = 0;

    // A print document on a printer the user chooses in the platform's print dialog
    // (printers only, no printing into a file); `cancelled` when the user cancels.
    virtual PrintJobStart startChosenPrinterJob() = 0;

    // A print document written as a PDF file at `path`, laid out as on paper.
    virtual PrintJobStart startPdfJob(std::string_view path) = 0;
};

}  // namespace tarvo
