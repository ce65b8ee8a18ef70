#pragma once

#include <QRect>

namespace tarvo {

// Layout is given in twips, 1/1440 inch: 15 twips to a logical pixel at 96 dpi.
// Qt's high-DPI scaling turns logical pixels into device pixels.
constexpr int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * 15;
}

// A rectangle given as left, top, width, height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

}  // namespace tarvo
