// The pointing aid's figures as the crew reads them.

#include "pointing/pointing_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "common/failure.h"

namespace tarvo {
namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(PointingTexts, DeclinationNamesItsSide) {
    const TextCase cases[] = {
        {-5.6, "5.6 W"}, {0.4, "0.4 E"},    {-0.04, "0.0"},     {0.04, "0.0"},
        {0, "0.0"},      {12.25, "12.3 E"}, {-12.25, "12.3 W"},  // halves away from zero, on both
                                                                 // sides
        {-20, "20.0 W"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(DeclinationText(c.value), c.text) << c.value;
    }
}

TEST(PointingTexts, FeedSkewNamesItsTurn) {
    const TextCase cases[] = {
        {18.1794, "18.2 clockwise"},
        {-17.9, "17.9 counter-clockwise"},
        {1.25, "1.3 clockwise"},
        {-1.25, "1.3 counter-clockwise"},  // the mirror image reads alike
        {1.6e-15, "0.0"},
        {-0.049, "0.0"},
        {90, "90.0 clockwise"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(FeedSkewText(c.value), c.text) << c.value;
    }
}

TEST(PointingTexts, MagneticAzimuthTakesTheDeclinationOffAndStaysOnTheCompass) {
    const struct {
        double trueAzimuth, declination;
        const char* text;
    } cases[] = {
        {201.933, -5.6, "207.5"},  // a westerly declination adds: 201.933 + 5.6
        {201.933, 5.6, "196.3"},   // an easterly one takes off
        {1.0, 5.6, "355.4"},       // 1 - 5.6 = -4.6, once round the compass
        {358.0, -5.0, "3.0"},      // 363 comes back to 3
        {359.96, 0, "0.0"},        // rounds to 360, which is north
        {180, 0, "180.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MagneticAzimuthText(c.trueAzimuth, c.declination), c.text)
            << c.trueAzimuth << " " << c.declination;
    }
}

TEST(PointingTexts, RangeInKilometres) {
    EXPECT_EQ(RangeKmText("20072.5"), "37174.3");  // 20072.5 x 1.852 = 37174.27
    EXPECT_EQ(RangeKmText("20249"), "37501.1");    // 20249 x 1.852 = 37501.148
    EXPECT_EQ(RangeKmText(""), "");
}

TEST(PointingTexts, SatelliteFromATruck) {
    // Atlanta to Galaxy 19: the main window's azimuth without offset is 201.933.
    const SatellitePointing galaxy19 = PointingTexts(97, 84.39, 33.75, -5.6);
    EXPECT_EQ(galaxy19.magneticAzimuth, "207.5");
    EXPECT_EQ(galaxy19.feedSkew, "18.2 clockwise");

    const SatellitePointing noModel = PointingTexts(97, 84.39, 33.75, std::nullopt);
    EXPECT_EQ(noModel.magneticAzimuth, "");
    EXPECT_EQ(noModel.feedSkew, "18.2 clockwise");

    // The azimuth 179.982 of a satellite due south (the main window's Pi) is the start.
    EXPECT_EQ(PointingTexts(100, 100, 40, 0).magneticAzimuth, "180.0");
    EXPECT_EQ(PointingTexts(100, 100, 40, 0).feedSkew, "0.0");

    // A latitude whose cosine is exactly 1: the main window's look angles fail, so do these.
    EXPECT_THROW(PointingTexts(100, 100, 1e-200, 0), RunTimeFailure);
}

}  // namespace
}  // namespace tarvo
