#include "platform/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

#include "common/codepage.h"
#include "platform/dialog_text.h"
#include "platform/file_lookup.h"
#include "platform/qt_print_job.h"
#include "platform/qt_text.h"

namespace tarvo {

namespace {

QMessageBox::Icon QtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* QtPlatform::dialogOwner() const {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active->isVisible() && !active->isMinimized()) {
        return active;
    }
    return dialogParent_;
}

MsgAnswer QtPlatform::messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                                 std::string_view title) {
    QMessageBox box(QtIcon(icon), ToQString(title), MessageText(text), QMessageBox::NoButton,
                    dialogOwner());
    box.setTextFormat(Qt::PlainText);
    // The first button is the default; Escape and the window's close button give the
    // last (Cancel, No), or OK when it is alone.
    QMessageBox::StandardButton first = QMessageBox::Ok;
    QMessageBox::StandardButton last = QMessageBox::Ok;
    switch (buttons) {
        case MsgButtons::Ok:
            break;
        case MsgButtons::OkCancel:
            last = QMessageBox::Cancel;
            break;
        case MsgButtons::YesNo:
            first = QMessageBox::Yes;
            last = QMessageBox::No;
            break;
    }
    box.setStandardButtons(first | last);
    box.setDefaultButton(first);
    box.setEscapeButton(last);
    box.exec();

    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            break;
    }
    switch (last) {
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            return MsgAnswer::Ok;
    }
}

std::optional<FileChoice> QtPlatform::fileDialog(const FileDialogRequest& request) {
    // No title of the program's own: Qt's default "Open" or "Save As" shows.
    QFileDialog dialog(dialogOwner());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Neither an existing file demanded nor a question before overwriting: the
    // commands test the chosen name themselves.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);

    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size()
                              ? request.filterIndex - 1
                              : 0;
        dialog.selectNameFilter(filters.at(index));
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(ToQString(request.fileName));
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return FileChoice{FromQString(chosen), FromQString(QFileInfo(chosen).fileName()),
                      Utf8FitsCp1252(chosen.toStdString())};
}

std::optional<FontChoice> QtPlatform::fontDialog() {
    // Not preset with the font in use.
    QFontDialog dialog(dialogOwner());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QFont font = dialog.selectedFont();
    return FontChoice{FromQString(font.family()), font.pointSizeF()};
}

std::string QtPlatform::currentDirectory() {
    const QString path = QDir::toNativeSeparators(QDir::currentPath());
    return Utf8FitsCp1252(path.toStdString()) ? FromQString(path) : std::string();
}

std::string QtPlatform::lookUpFileName(std::string_view path) {
    return LookUpFileName(path);
}

QString QtPlatform::helpViewer() const {
    if (!helpViewer_.isEmpty()) {
        return helpViewer_;
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sng-tarvo-help");
}

// The viewer gets the document as one argument of its own, so a folder with spaces in
// its name reaches it whole. It runs on its own: the program neither waits for it nor
// ends it.
std::optional<std::string> QtPlatform::startHelpViewer(std::string_view helpFile) {
    const QFileInfo document(ToQString(helpFile));
    if (!document.isFile()) {
        return "Cannot find the help file " + std::string(helpFile);
    }
    const QString viewer = helpViewer();
    const QFileInfo program(viewer);
    if (!program.isFile()) {
        return "Cannot find the help viewer " + FromQString(QDir::toNativeSeparators(viewer));
    }
    if (!program.isExecutable() ||
        !QProcess::startDetached(viewer, {document.absoluteFilePath()}, document.absolutePath())) {
        return "The help viewer " + FromQString(QDir::toNativeSeparators(viewer)) +
               " could not be started";
    }
    return std::nullopt;
}

PrintJobStart QtPlatform::startDefaultPrinterJob() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        PrintJobStart none;
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            none.noPrinter = true;
            none.error = "No printer is set up on this computer.";
        } else {
            none.noDefaultPrinter = true;
            none.error = "No printer is set as the default on this computer.";
        }
        return none;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Look list"));
    return QtPrintJob::Start(std::move(printer),
                             QStringLiteral("The printer ") + info.printerName());
}

// The printers of the printing system only, and the whole document: the look list goes
// into a file only through the program's own PDF, which refuses the program's files
// and is written whole.
PrintJobStart QtPlatform::startChosenPrinterJob() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), dialogOwner());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);  // every page is printed
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        PrintJobStart cancelled;
        cancelled.cancelled = true;
        return cancelled;
    }
    printer->setDocName(QStringLiteral("Look list"));
    const QString target = QStringLiteral("The printer ") + printer->printerName();
    return QtPrintJob::Start(std::move(printer), target);
}

PrintJobStart QtPlatform::startPdfJob(std::string_view path) {
    // The pages of a PDF printer, so that the file looks as paper would.
    QPrinter layout(QPrinter::HighResolution);
    layout.setOutputFormat(QPrinter::PdfFormat);
    layout.setDocName(QStringLiteral("Look list"));
    return QtPrintJob::StartPdf(layout, std::string(path));
}

}  // namespace tarvo
