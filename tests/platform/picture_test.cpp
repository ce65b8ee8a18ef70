// The pictures keep their logical sizes at every device scale and are drawn at the
// screen's own resolution, not enlarged pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QString>

#include "platform/picture.h"

namespace tarvo::testing {
namespace {

// Share of 2 x 2 pixel blocks whose four pixels are not all alike. A picture enlarged
// pixel by pixel to twice its size has none.
double MixedBlockShare(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int blocks = 0;
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner) {
                ++mixed;
            }
        }
    }
    return blocks == 0 ? 0.0 : double(mixed) / blocks;
}

TEST(Picture, KeepsItsSizeAndIsDrawnAtTheDeviceResolution) {
    struct Case {
        const char* name;
        QSize logical;
    };
    // The sizes the windows reserve: imgSatTruck 113 x 85, imgSplashGraphic 310 x 100,
    // the About box logo 50 x 50.
    for (const Case& c :
         {Case{"sattruck", {113, 85}}, Case{"splash", {310, 100}}, Case{"logo", {50, 50}}}) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);

        // At a scale of 1 the drawn PNG is shown as it is.
        const QPixmap plain = Picture(name, 1.0);
        EXPECT_EQ(plain.size(), c.logical);
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);
        EXPECT_EQ(plain.toImage(), QPixmap(":/tarvo/" + name + ".png").toImage());

        // At 2 it has four device pixels to each logical one, and detail within them.
        const QPixmap sharp = Picture(name, 2.0);
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(c.logical));
        EXPECT_EQ(sharp.size(), c.logical * 2);
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        EXPECT_GT(MixedBlockShare(sharp.toImage()), 0.02);
        EXPECT_EQ(MixedBlockShare(plain.scaled(c.logical * 2).toImage()), 0.0);

        // A fractional scale rounds the device size up: 113 x 1.5 = 169.5 -> 170.
        const QPixmap between = Picture(name, 1.5);
        EXPECT_EQ(between.width(), (c.logical.width() * 3 + 1) / 2);
        EXPECT_EQ(between.height(), (c.logical.height() * 3 + 1) / 2);
    }
}

TEST(Picture, ProgramIconHasEverySize) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    // Drawn sizes come as drawn; others, like 64 and 512, from the SVG source.
    for (int side : {32, 48, 64, 256, 512}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(icon.pixmap(QSize(side, side), 1.0).size(), QSize(side, side));
    }
}

}  // namespace
}  // namespace tarvo::testing
