// The drawn pictures are compiled into the program and must come out of the
// resource system at the pixel sizes the windows reserve for them.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QString>

namespace {

// Share of pixels that are drawn (not fully transparent), and the number of
// distinct colours among them: a blank or single-colour picture fails both.
struct Coverage {
    double drawnShare = 0.0;
    int colours = 0;
};

Coverage coverageOf(const QString& path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    Coverage result;
    if (image.isNull()) {
        return result;
    }
    QSet<QRgb> colours;
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 0) {
                ++drawn;
                colours.insert(pixel);
            }
        }
    }
    result.drawnShare = double(drawn) / (image.width() * image.height());
    result.colours = int(colours.size());
    return result;
}

TEST(Resources, PicturesLoadAtTheirLayoutSizes) {
    // imgSatTruck is 1815 x 1275 twips at 15 twips a pixel: 121 x 85, of which the
    // picture fills 113 x 85.
    const QPixmap truck(":/tarvo/sattruck.png");
    ASSERT_FALSE(truck.isNull());
    EXPECT_EQ(truck.width(), 113);
    EXPECT_EQ(truck.height(), 85);

    // imgSplashGraphic: 4650 x 1500 twips = 310 x 100 pixels.
    const QPixmap splash(":/tarvo/splash.png");
    ASSERT_FALSE(splash.isNull());
    EXPECT_EQ(splash.size(), QSize(310, 100));

    // The About box logo: 750 x 750 twips = 50 x 50 pixels.
    const QPixmap logo(":/tarvo/logo.png");
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(50, 50));
}

TEST(Resources, WindowIconComesInThreeSizes) {
    const QPixmap small(":/tarvo/tarvo.png");
    const QPixmap medium(":/tarvo/tarvo-48.png");
    const QPixmap large(":/tarvo/tarvo-256.png");
    ASSERT_FALSE(small.isNull());
    ASSERT_FALSE(medium.isNull());
    ASSERT_FALSE(large.isNull());
    EXPECT_EQ(small.size(), QSize(32, 32));
    EXPECT_EQ(medium.size(), QSize(48, 48));
    EXPECT_EQ(large.size(), QSize(256, 256));
}

TEST(Resources, PicturesAreDrawnNotBlank) {
    // The truck stands on a transparent background: the road, truck and dish
    // cover well over a fifth of it, in more than a handful of colours.
    const Coverage truck = coverageOf(":/tarvo/sattruck.png");
    EXPECT_GT(truck.drawnShare, 0.2);
    EXPECT_LT(truck.drawnShare, 1.0);
    EXPECT_GT(truck.colours, 5);

    // The icon fills its rounded square: nearly all of it is drawn.
    const Coverage icon = coverageOf(":/tarvo/tarvo.png");
    EXPECT_GT(icon.drawnShare, 0.8);
    EXPECT_GT(icon.colours, 5);

    // The splash picture is true colour and opaque all over.
    const Coverage splash = coverageOf(":/tarvo/splash.png");
    EXPECT_DOUBLE_EQ(splash.drawnShare, 1.0);
    EXPECT_GT(splash.colours, 5);

    // A name that was never compiled in gives nothing.
    EXPECT_TRUE(QPixmap(":/tarvo/no-such-picture.png").isNull());
}

}  // namespace

int main(int argc, char** argv) {
    // QPixmap needs a GUI application; the test sets QT_QPA_PLATFORM=offscreen.
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
