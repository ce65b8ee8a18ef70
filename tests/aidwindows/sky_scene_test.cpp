// The sky view's content as a screen reader gets it, from the sample catalogue.

#include "aidwindows/sky_scene.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/satellite_file.h"

namespace tarvo {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

SatelliteTable SampleCatalogue() {
    SatelliteFileRead read = ReadSatelliteFile(TARVO_SAMPLES "/tarvo.sat");
    EXPECT_TRUE(read.ok) << read.failure;
    return read.table;
}

// From Atlanta (84.39 W, 33.75 N) with a mask of two points, (180, 45) and (240, 35):
// the look angles worked with the main window's formula (Pi 3.1415927, three places) on
// a calculator, the mask between the points 45 - 10 x (az - 180)/60, and across north
// from (240, 35) to (540, 45) 35 + 10 x (az + 360 - 240)/300 below 180, 35 + 10 x
// (az - 240)/300 beyond 240.
TEST(SkyScene, SampleCatalogueFromAtlantaWithATwoPointMask) {
    const SkyScene scene = BuildSkyScene(SampleCatalogue(), ReadSkyPlace("84.39", "33.75"),
                                         {{180, 45}, {240, 35}}, "Galaxy 19", "97");
    const std::vector<std::string> lines = Lines(SkySceneText(scene, "Atlanta, GA", "\n"));
    // 24 records: the default satellite (a copy of Galaxy 19) and 23 catalogue rows.
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0],
              "From Atlanta, GA (84.39 W, 33.75 N), horizon mask of 2 points, "
              "23 satellites.");
    // East to west: Telstar 19 VANTAGE at 144.815 first.
    // 144.815: mask 35 + 10 x 264.815/300 = 43.827; 44.542 - 43.827 = 0.715.
    EXPECT_EQ(lines[1],
              "Telstar 19 VANTAGE: azimuth 144.8, elevation 44.5, clear by 0.7, on the look list");
    // 184.691: mask 45 - 10 x 4.691/60 = 44.218; 50.658 - 44.218 = 6.440.
    EXPECT_EQ(lines[2], "SES-2: azimuth 184.7, elevation 50.7, clear by 6.4");
    // 201.933: mask 45 - 10 x 21.933/60 = 41.345; 48.479 - 41.345 = 7.134.
    EXPECT_EQ(lines[6],
              "Galaxy 19: azimuth 201.9, elevation 48.5, clear by 7.1, on the look list, shown "
              "in the main window");
    // 230.85: mask 45 - 10 x 50.85/60 = 36.525; 36.381 - 36.525 = -0.144.
    EXPECT_EQ(lines[15], "Anik F3: azimuth 230.9, elevation 36.4, blocked by 0.1");
    // 233.211: mask 36.132; 34.727 - 36.132 = -1.405.
    EXPECT_EQ(lines[16], "Galaxy 31: azimuth 233.2, elevation 34.7, blocked by 1.4");
    // 245.478: mask 35 + 10 x 5.478/300 = 35.183; 23.896 - 35.183 = -11.287.
    EXPECT_EQ(lines[22], "SES-19: azimuth 245.5, elevation 23.9, blocked by 11.3");
    EXPECT_EQ(lines[23], "SES-22: azimuth 245.5, elevation 23.9, blocked by 11.3");

    // Anik F3 and every satellite west of it are behind the mask: nine of them.
    int blocked = 0;
    for (const SkySatellite& satellite : scene.satellites) {
        blocked += satellite.Blocked() ? 1 : 0;
        EXPECT_NE(satellite.row, 0);  // the default is shown as its catalogue row
    }
    EXPECT_EQ(blocked, 9);
    EXPECT_EQ(scene.satellites[5].row, 6);  // Galaxy 19 is catalogue row 6
}

TEST(SkyScene, FlatHorizonNoPlaceAndNoAngles) {
    SatelliteTable table;
    table.Append({"Only a default             ", 40, 0});  // no catalogue row holds it
    table.Append({"Overhead                   ", 84.39, 1});
    table.Append({"Far east                   ", 2, 0});

    // From the equator the satellite on the truck's meridian is straight up: the main
    // window's look angles fail there. The default, held by no row, is shown itself.
    const SkyScene equator = BuildSkyScene(table, ReadSkyPlace("84.39", "1e-200"), {}, "", "");
    ASSERT_EQ(equator.satellites.size(), 3u);
    EXPECT_EQ(equator.satellites.back().row, 1);
    EXPECT_EQ(SkySatelliteText(equator.satellites.back()),
              "Overhead: no look angles from here, on the look list");

    // From Atlanta the arc sets 79.517 degrees of longitude east of the truck (see the
    // arc's test): the slot at 2 W, 82.39 east, lies below the flat horizon, blocked by
    // the earth, and is the most easterly.
    const SkyScene atlanta = BuildSkyScene(table, ReadSkyPlace("84.39", "33.75"), {}, "", "");
    const std::vector<std::string> lines = Lines(SkySceneText(atlanta, "", "\n"));
    EXPECT_EQ(lines[0], "From 84.39 W, 33.75 N, flat horizon, 3 satellites.");
    EXPECT_EQ(atlanta.satellites[0].name, "Far east");
    EXPECT_LT(atlanta.satellites[0].elevation, 0);
    EXPECT_TRUE(atlanta.satellites[0].Blocked());
    EXPECT_EQ(atlanta.satellites[0].clearance, atlanta.satellites[0].elevation);
    EXPECT_EQ(atlanta.satellites[1].name, "Only a default");
    EXPECT_FALSE(atlanta.satellites[1].Blocked());

    // A place that does not read above zero: nothing to look from.
    for (const auto& [longitude, latitude] :
         {std::pair{"", "33.75"}, std::pair{"84.39", "0"}, std::pair{"-84.39", "33.75"},
          std::pair{"84 23 24", "33.75"}}) {
        const SkyScene none = BuildSkyScene(table, ReadSkyPlace(longitude, latitude), {}, "", "");
        EXPECT_FALSE(none.hasPlace) << longitude << " " << latitude;
        EXPECT_EQ(SkySceneText(none, "", "\n"),
                  "No position to look from: calculate in the main window first.");
    }
}

}  // namespace
}  // namespace tarvo
