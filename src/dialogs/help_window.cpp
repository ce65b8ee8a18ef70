#include "dialogs/help_window.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

namespace tarvo {

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("SNG Tarvo Help"));
    resize(760, 680);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("browser"));
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(QStringLiteral("Help text"));
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("navigation"));
    bar->setMovable(false);
    back_ = bar->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = bar->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    QAction* contents = bar->addAction(QStringLiteral("Contents"), browser_, &QTextBrowser::home);
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    bar->addSeparator();
    QAction* larger =
        bar->addAction(QStringLiteral("Larger"), browser_, [this] { browser_->zoomIn(1); });
    larger->setShortcut(QKeySequence::ZoomIn);
    QAction* smaller =
        bar->addAction(QStringLiteral("Smaller"), browser_, [this] { browser_->zoomOut(1); });
    smaller->setShortcut(QKeySequence::ZoomOut);
    bar->addSeparator();
    QAction* close = bar->addAction(QStringLiteral("Close"), this, &QWidget::close);
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});

    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { showTitle(); });
}

HelpWindow::~HelpWindow() = default;

bool HelpWindow::open(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        return false;
    }
    // The document is HTML whatever its file name ends in.
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()), QTextDocument::HtmlResource);
    showTitle();
    return true;
}

void HelpWindow::showTitle() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("SNG Tarvo Help") : title);
}

}  // namespace tarvo
