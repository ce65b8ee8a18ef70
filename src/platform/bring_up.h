#pragma once

class QWidget;

namespace tarvo {

// Shows a top-level window and brings it to the user: back from the task bar when it
// was minimised (keeping its maximised or full-screen state), raised above the other
// windows and made the active one.
void BringUp(QWidget& window);

}  // namespace tarvo
