// Start-up through the splash window, on the display the benchmark runs on: offscreen
// unless QT_QPA_PLATFORM names another (run it under xvfb-run with QT_QPA_PLATFORM=xcb
// for an X server).
//  - BM_SplashShown: the splash window made, loaded and painted for the first time.
//  - BM_SplashButtonToCalculatedMainWindow: the splash button pressed, the main
//    window's start-up on the sample files, until the main window has painted its
//    results.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "dialogs/frm_splash.h"
#include "mainwindow/frm_satellite.h"
#include "platform/text_box.h"
#include "support/find_control.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tarvo {
namespace {

// Notes the first paint of a widget, or its first paint after a condition holds.
class PaintWatch : public QObject {
  public:
    PaintWatch(QWidget* widget, std::function<bool()> ready = {}) : ready_(std::move(ready)) {
        widget->installEventFilter(this);
    }
    bool painted() const { return painted_; }

    // Runs the event loop until the paint has happened (at most five seconds).
    bool Wait() {
        QElapsedTimer timer;
        timer.start();
        while (!painted_ && timer.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return painted_;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && (!ready_ || ready_())) {
            painted_ = true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<bool()> ready_;
    bool painted_ = false;
};

// The sample working folder, made the current directory while it lives.
class SampleFolder {
  public:
    SampleFolder() {
        for (const char* name : {"tarvo.ini", "tarvo.sat", "tarvo.loc"}) {
            std::filesystem::copy_file(std::filesystem::path(TARVO_SAMPLES) / name,
                                       folder_.file(name));
        }
    }

  private:
    test::TempFolder folder_;
};

void BM_SplashShown(benchmark::State& state) {
    for (auto _ : state) {
        frmSplash splash([] {});
        PaintWatch painted(&splash);
        splash.Form_Load();
        if (!painted.Wait()) {
            state.SkipWithError("the splash window was not painted");
            break;
        }
        state.PauseTiming();
        splash.Timer1->stop();
        splash.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SplashShown)->Unit(benchmark::kMillisecond);

void BM_SplashButtonToCalculatedMainWindow(benchmark::State& state) {
    SampleFolder folder;
    ScriptedPlatform platform;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<frmSatellite>(platform);
        auto splash = std::make_unique<frmSplash>([&window] { window->Form_Load(); });
        window->setSplashWindow(splash.get());
        PaintWatch splashPainted(splash.get());
        splash->Form_Load();
        splashPainted.Wait();
        TextBox* azimuth = test::Find<TextBox>(*window, "txtAzimuth");
        PaintWatch results(azimuth, [azimuth] { return !azimuth->text().empty(); });
        state.ResumeTiming();

        splash->cmdExit->click();
        const bool shown = results.Wait();

        state.PauseTiming();
        const bool expected = shown && azimuth->text() == "201.933" && !splash->isVisible() &&
                              platform.messages().empty();
        window.reset();
        splash.reset();
        state.ResumeTiming();
        if (!expected) {
            state.SkipWithError("the main window did not show Atlanta to Galaxy 19");
            break;
        }
    }
}
BENCHMARK(BM_SplashButtonToCalculatedMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
