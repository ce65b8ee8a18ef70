#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tarvo {

class Label;

// The About box: the logo, the program's name and version, and the copyright and
// distribution notice. An ordinary window beside the main window, gone when closed.
class frmAbout : public QWidget {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    void cmdClose_Click();

    QLabel* imgLogo = nullptr;
    Label* lblTitle = nullptr;
    Label* Label1 = nullptr;
    Label* lblCopyright = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace tarvo
