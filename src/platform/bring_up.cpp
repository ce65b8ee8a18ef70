#include "platform/bring_up.h"

#include <QWidget>

namespace tarvo {

void BringUp(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace tarvo
