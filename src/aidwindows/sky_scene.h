#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "aidwindows/sky_sun_path.h"
#include "pointing/geostationary_arc.h"
#include "pointing/horizon_mask.h"

namespace tarvo {

class SatelliteTable;

// One catalogue satellite as the sky view shows it, in true directions (no antenna
// offsets).
struct SkySatellite {
    std::int16_t row = 0;    // its row of the satellite table
    std::string name;        // program text, without the padding
    double slotWest = 0;     // degrees west
    bool hasAngles = false;  // false: the look angles cannot be worked out from here
    double azimuth = 0;      // degrees true, as the main window rounds them
    double elevation = 0;    // degrees
    double clearance = 0;    // degrees over the horizon mask, negative when blocked
    bool onLookList = false;
    bool shown = false;  // the satellite the main window shows

    bool Blocked() const { return !hasAngles || clearance < 0; }
};

// Everything the sky view draws and reads out, worked once per calculation of the main
// window, not per drawing.
struct SkyScene {
    bool hasPlace = false;  // false: no position to look from
    double truckLongWest = 0;
    double truckLatNorth = 0;
    std::vector<ArcPoint> arc;
    HorizonMask mask;
    // East to west by azimuth; those without look angles last, in catalogue order.
    std::vector<SkySatellite> satellites;
    // Today's sun, when the view adds it.
    SkySunPath sun;
};

// The place the main window shows, from its coordinate texts (program text, decimal
// degrees once calculated). Both must read above zero, as the main window demands.
struct SkyPlace {
    bool valid = false;
    double longWest = 0;
    double latNorth = 0;
};
SkyPlace ReadSkyPlace(std::string_view longitude, std::string_view latitude);

// The scene of the catalogue rows 1 to SatLast() of `table` from `place`, with `mask`
// (and row 0 when it is no copy of a catalogue row);
// `shownName` and `shownSlot` (program texts of the main window's satellite lists)
// mark the satellite shown.
SkyScene BuildSkyScene(const SatelliteTable& table, const SkyPlace& place, HorizonMask mask,
                       std::string_view shownName, std::string_view shownSlot);

// What a screen reader says of one satellite (program text):
// "Galaxy 19: azimuth 201.9, elevation 48.5, clear by 48.5, on the look list, shown in
// the main window".
std::string SkySatelliteText(const SkySatellite& satellite);

// The whole view as text: the place and mask first, then a line per satellite and the
// sun's line last when the scene has its path, lines separated by `lineBreak`.
std::string SkySceneText(const SkyScene& scene, std::string_view placeName,
                         std::string_view lineBreak);

}  // namespace tarvo
