#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/platform_services.h"

namespace tarvo {

// The platform services on Qt: modal message boxes and Qt's own file and font dialogs
// (the same look and rules on every desktop), and the program's own help viewer
// (sng-tarvo-help, installed beside the program) started on the help document.
class QtPlatform : public PlatformServices {
  public:
    // A dialog belongs to the window the user works in: the program's active window
    // (the preferences window for its own refusals and its font dialog), or, when none
    // of the program's windows is active and shown, `dialogParent` (the main window).
    // The dialog stays above its window, and when it closes the window manager gives
    // that window the focus back.
    explicit QtPlatform(QWidget* dialogParent = nullptr) : dialogParent_(dialogParent) {}
    void setDialogParent(QWidget* dialogParent) { dialogParent_ = dialogParent; }
    QWidget* dialogOwner() const;

    // The help viewer program; by default sng-tarvo-help in the program's own folder.
    void setHelpViewer(QString program) { helpViewer_ = std::move(program); }
    QString helpViewer() const;

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
    QPointer<QWidget> dialogParent_;
    QString helpViewer_;
};

}  // namespace tarvo
