#pragma once

#include <QFont>

namespace tarvo {

// The text of the windows' controls: MS Sans Serif at `points` (8 unless a window says
// otherwise), for which the layouts were drawn, or Liberation Sans with the same metrics
// (installed with the program), never a font picked by the machine's font configuration.
// Every property is marked as set, so that a control inside a frame keeps it instead of
// taking over the frame's caption font. At 8 points, not bold, it is also the
// application's default font (menus, message boxes, dialogs).
QFont ControlFont(double points = 8, bool bold = false);

}  // namespace tarvo
