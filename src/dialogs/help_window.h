#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QTextBrowser;

namespace tarvo {

// The window of the help viewer, sng-tarvo-help: the help document (HTML) in a text
// browser, with Back, Forward and Contents, links inside the document followed and
// links to the web handed to the desktop.
class HelpWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows the document at `path`; false, with the window unchanged, when the file
    // cannot be read.
    bool open(const QString& path);

    QTextBrowser* browser() const { return browser_; }

  private:
    void showTitle();

    QTextBrowser* browser_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
};

}  // namespace tarvo
