#pragma once

#include <QFont>
#include <string_view>

namespace tarvo {

// The Qt font for a look-list font given by face name, whole points and weight. The
// common Windows faces fall back to the Liberation faces, which have their metrics
// (Arial to Liberation Sans, and so on); any other face falls back to Liberation Sans.
// Kerning is off: a text is as wide as its characters' advances added up, on screen,
// on paper and in the measuring surface alike. A size below one point is drawn at one.
QFont DrawingFont(std::string_view faceName, double points, bool bold);

}  // namespace tarvo
