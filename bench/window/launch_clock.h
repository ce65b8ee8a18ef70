#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

// Times since the launch of the process, for the start-up timing on a real display.
// The timing script passes the wall-clock time of the launch, in nanoseconds since the
// epoch, in TARVO_LAUNCH_NS; without it the times count from the start of main().
namespace tarvo::bench {

class LaunchClock {
  public:
    LaunchClock() {
        const char* launch = std::getenv("TARVO_LAUNCH_NS");
        launchNs_ = launch != nullptr ? std::strtoll(launch, nullptr, 10) : NowNs();
    }

    double MillisecondsSinceLaunch() const {
        return static_cast<double>(NowNs() - launchNs_) / 1e6;
    }

  private:
    static long long NowNs() {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }
    long long launchNs_;
};

// The peak resident memory of this process so far, in KiB (VmHWM), or -1.
inline long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Notes the time of the first paint event of the watched widget for which `ready`
// holds (the picture reaches the display as that paint ends), then calls `painted`
// with it once the event loop comes round again.
class PaintWatch : public QObject {
  public:
    PaintWatch(const LaunchClock& clock, std::function<bool()> ready,
               std::function<void(double)> painted)
        : clock_(clock), ready_(std::move(ready)), painted_(std::move(painted)) {}

    bool done() const { return done_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && ready_()) {
            done_ = true;
            const double ms = clock_.MillisecondsSinceLaunch();
            QTimer::singleShot(0, this, [this, ms] { painted_(ms); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const LaunchClock& clock_;
    std::function<bool()> ready_;
    std::function<void(double)> painted_;
    bool done_ = false;
};

}  // namespace tarvo::bench
