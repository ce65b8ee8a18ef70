#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tarvo {

// One of the program's pictures, by its resource name without extension ("sattruck").
// The drawn PNG fixes the picture's size in logical pixels. On a screen with more device
// pixels than logical ones (a device scale of 2, say) the picture is drawn again from
// its SVG source at the device resolution, so that it stays sharp instead of being
// enlarged pixel by pixel; its logical size is the same.
QPixmap Picture(const QString& name);

// The same for a given device pixel ratio: the ratio of the screens when shown.
QPixmap Picture(const QString& name, qreal devicePixelRatio);

// The program's icon: drawn at 32, 48 and 256 pixels, and as SVG for any other size.
QIcon ProgramIcon();

}  // namespace tarvo
