#include "platform/show_painted.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tarvo {

namespace {

constexpr int kExposeLimitMs = 1000;

}  // namespace

void ShowPainted(QWidget& window) {
    window.show();
    QWindow* handle = window.windowHandle();
    if (handle == nullptr) {
        return;
    }
    if (handle->isExposed()) {
        window.repaint();  // nothing to wait for: painted at once
        return;
    }
    // The display exposes a new window a moment after it is mapped, and the window is
    // painted while that event is handled. The timer wakes the wait at the limit.
    const QDeadlineTimer deadline(kExposeLimitMs);
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(kExposeLimitMs);
    while (!handle->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace tarvo
