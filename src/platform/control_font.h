#pragma once

#include <QFont>

namespace tarvo {

// The text of the windows' controls: MS Sans Serif 8 point, for which the layouts were
// drawn, or Liberation Sans (installed with the program), never a font picked by the
// machine's font configuration. Every property is marked as set, so that a control
// inside a frame keeps it instead of taking over the frame's caption font.
// It is also the application's default font (menus, message boxes, dialogs).
QFont ControlFont();

}  // namespace tarvo
