// The magnetic declination of WMM2025 through the converted model, against NOAA's
// published test values, and the edges of the years the model is made for.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "pointing/calendar_date.h"
#include "pointing/declination_reading.h"
#include "pointing/magnetic_declination.h"

namespace tarvo {
namespace {

const MagneticDeclination& Wmm2025() {
    static const MagneticDeclination model(TARVO_MAGNETIC_DIR, TARVO_MAGNETIC_MODEL);
    return model;
}

// Source: NOAA NCEI and the British Geological Survey, "The US/UK World Magnetic Model
// for 2025-2030: Technical Report", table of test values (height 0 km above the WGS-84
// ellipsoid, geodetic latitude, longitude east). The declinations are given to two
// decimals, so each must come within half of the last digit.
struct NoaaTestValue {
    double year, latNorth, lonEast, declination;
};

TEST(MagneticDeclination, MatchesNoaasPublishedTestValues) {
    const NoaaTestValue cases[] = {
        {2025.0, 80, 0, 1.28},
        {2025.0, 0, 120, -0.16},
        {2025.0, -80, 240, 68.78},
        {2027.5, 80, 0, 2.59},
    };
    for (const NoaaTestValue& c : cases) {
        const std::optional<double> declination =
            Wmm2025().DeclinationDeg(c.latNorth, c.lonEast, c.year);
        ASSERT_TRUE(declination.has_value()) << c.year << " " << c.latNorth << " " << c.lonEast;
        EXPECT_NEAR(*declination, c.declination, 0.005)
            << c.year << " " << c.latNorth << " " << c.lonEast;
    }
}

TEST(MagneticDeclination, TheModelNamesItselfAndItsFiveYears) {
    EXPECT_EQ(Wmm2025().Name(), "WMM2025");
    EXPECT_EQ(Wmm2025().FirstYear(), 2025);
    EXPECT_EQ(Wmm2025().EndYear(), 2030);
}

// The model covers 2025.0 up to 2030.0; 2030.0 itself is its successor's first day.
TEST(MagneticDeclination, GivesNothingOutsideItsYears) {
    const struct {
        CalendarDate date;
        bool covered;
    } edges[] = {
        {{2024, 12, 31}, false}, {{2025, 1, 1}, true},  {{2029, 12, 31}, true},
        {{2030, 1, 1}, false},   {{1999, 6, 1}, false}, {{2027, 7, 1}, true},
    };
    for (const auto& edge : edges) {
        const double year = DecimalYear(edge.date);
        EXPECT_EQ(Wmm2025().Covers(year), edge.covered) << DateText(edge.date);
        EXPECT_EQ(Wmm2025().DeclinationDeg(33.75, -84.39, year).has_value(), edge.covered)
            << DateText(edge.date);
    }
}

TEST(MagneticDeclination, GivesNothingBeyondThePoles) {
    EXPECT_FALSE(Wmm2025().DeclinationDeg(95, -100, 2026).has_value());
    EXPECT_FALSE(Wmm2025().DeclinationDeg(-90.5, -100, 2026).has_value());
    EXPECT_TRUE(Wmm2025().DeclinationDeg(90, -100, 2026).has_value());
}

TEST(MagneticDeclination, AFolderWithoutTheModelIsAnError) {
    EXPECT_THROW(MagneticDeclination("/nonexistent", TARVO_MAGNETIC_MODEL), MagneticModelError);
    EXPECT_THROW(MagneticDeclination(TARVO_MAGNETIC_DIR, "wmm1900"), MagneticModelError);
}

TEST(DecimalYear, CountsTheDaysBeforeTheDate) {
    // Worked by hand: days before the date over the days of its year.
    EXPECT_EQ(DecimalYear({2025, 1, 1}), 2025.0);
    EXPECT_EQ(DecimalYear({2024, 7, 2}), 2024.5);                // 183 of 366 days
    EXPECT_EQ(DecimalYear({2024, 12, 31}), 2024 + 365.0 / 366);  // a leap year
    EXPECT_EQ(DecimalYear({2026, 12, 7}), 2026 + 340.0 / 365);   // 334 days to 1 December
    EXPECT_EQ(DecimalYear({2028, 3, 1}), 2028 + 60.0 / 366);     // 29 February counts
    EXPECT_EQ(DateText({2026, 12, 7}), "2026-12-07");
}

TEST(ReadDeclination, NamesTheModelAndTheDateOrSaysWhyThereIsNone) {
    // Atlanta, in the model's years: a westerly declination of a few degrees.
    const DeclinationReading atlanta =
        ReadDeclination(&Wmm2025(), "", 33.75, 84.39, CalendarDate{2026, 12, 7});
    ASSERT_TRUE(atlanta.degreesEast.has_value());
    EXPECT_LT(*atlanta.degreesEast, -3);
    EXPECT_GT(*atlanta.degreesEast, -8);
    EXPECT_EQ(atlanta.text.substr(atlanta.text.size() - 2), " W");
    EXPECT_EQ(atlanta.note, "WMM2025, 2026-12-07");

    // West longitudes go to the model as negative east longitudes: the same place as
    // the model's own east longitude.
    EXPECT_EQ(*atlanta.degreesEast,
              *Wmm2025().DeclinationDeg(33.75, -84.39, DecimalYear({2026, 12, 7})));

    const DeclinationReading late =
        ReadDeclination(&Wmm2025(), "", 33.75, 84.39, CalendarDate{2030, 1, 1});
    EXPECT_FALSE(late.degreesEast.has_value());
    EXPECT_EQ(late.text, "");
    EXPECT_EQ(late.note, "The magnetic model WMM2025 covers 2025 to 2030 only.");

    const DeclinationReading early =
        ReadDeclination(&Wmm2025(), "", 33.75, 84.39, CalendarDate{2024, 12, 31});
    EXPECT_EQ(early.note, late.note);

    const DeclinationReading beyond =
        ReadDeclination(&Wmm2025(), "", 95, 84.39, CalendarDate{2026, 1, 1});
    EXPECT_FALSE(beyond.degreesEast.has_value());
    EXPECT_EQ(beyond.note, "No declination for a latitude beyond 90 degrees.");

    const DeclinationReading missing =
        ReadDeclination(nullptr, "Cannot open /x/wmm2025.wmm", 33.75, 84.39, {2026, 1, 1});
    EXPECT_FALSE(missing.degreesEast.has_value());
    EXPECT_EQ(missing.note, "No magnetic model: Cannot open /x/wmm2025.wmm");
}

}  // namespace
}  // namespace tarvo
