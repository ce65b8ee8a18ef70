#pragma once

class QWidget;

namespace tarvo {

// Shows a window and returns once the display has exposed it and it has been painted,
// so that the user sees it, text and all, while a long task runs without the event
// loop. Only the display's own events are handled meanwhile (no typing, no clicks).
// A display that does not expose the window within a second is not waited for longer.
void ShowPainted(QWidget& window);

}  // namespace tarvo
