#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/platform_services.h"

namespace tarvo {

// The platform services on Qt: modal message boxes and Qt's own file and font dialogs
// (the same look and rules on every desktop), the help document opened by the
// desktop's viewer for its type.
class QtPlatform : public PlatformServices {
  public:
    // Dialogs are centred on `dialogParent` (the main window) when there is one.
    explicit QtPlatform(QWidget* dialogParent = nullptr) : dialogParent_(dialogParent) {}
    void setDialogParent(QWidget* dialogParent) { dialogParent_ = dialogParent; }

    MsgAnswer messageBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                         std::string_view title) override;
    std::optional<FileChoice> fileDialog(const FileDialogRequest& request) override;
    std::optional<FontChoice> fontDialog() override;
    std::string currentDirectory() override;
    std::string lookUpFileName(std::string_view path) override;
    bool startHelpViewer(std::string_view helpFile, std::string& error) override;

  private:
    QPointer<QWidget> dialogParent_;
};

}  // namespace tarvo
