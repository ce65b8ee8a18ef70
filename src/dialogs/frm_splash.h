#pragma once

#include <QWidget>
#include <functional>

class QCloseEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace tarvo {

class Label;

// The notice shown when the program starts: a white window without caption or window
// buttons, centred on the screen. Its button, or its timer after 20 seconds, loads the
// main window, whose start-up closes this one.
//
// It is given only the way to load the main window, and calls it once at most.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(std::function<void()> loadMainWindow, QWidget* parent = nullptr);
    ~frmSplash() override;

    // Shows the window and starts the timer.
    void Form_Load();

    // --- Event handlers ---------------------------------------------------------------
    void cmdExit_Click();
    void Timer1_Timer();

    // --- Controls ---------------------------------------------------------------------
    QLabel* imgSplashGraphic = nullptr;
    Label* lblCopyright = nullptr;
    Label* lblDetails = nullptr;
    QPushButton* cmdExit = nullptr;
    QTimer* Timer1 = nullptr;

  protected:
    // Closed by the desktop (there is no close button) before it handed over: the
    // program goes on as if the button had been pressed.
    void closeEvent(QCloseEvent* event) override;

  private:
    void LoadMainWindow();

    std::function<void()> loadMainWindow_;
    bool handedOver_ = false;
};

}  // namespace tarvo
