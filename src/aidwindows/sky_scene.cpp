#include "aidwindows/sky_scene.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "catalogue/satellite_table.h"
#include "common/failure.h"
#include "common/numeric_value.h"
#include "geometry/angles.h"
#include "geometry/look_angle.h"
#include "pointing/pointing_texts.h"

namespace tarvo {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// One decimal, halves away from zero on the magnitude: "201.9", "-12.0".
std::string OneDecimal(double value) {
    const double rounded = std::copysign(fnRound1(std::fabs(value)), value);
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded,
                                   std::chars_format::fixed, 1)
                         .ptr;
    return std::string(text, end);
}

// A coordinate as the main window's box holds it after a calculation: "84.39".
std::string Plain(double value) {
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::optional<double> Number(std::string_view text) {
    try {
        return StrictNumericValue(text);
    } catch (const RunTimeFailure&) {
        return std::nullopt;
    }
}

}  // namespace

SkyPlace ReadSkyPlace(std::string_view longitude, std::string_view latitude) {
    const auto longWest = Number(longitude);
    const auto latNorth = Number(latitude);
    if (!longWest || !latNorth || !(*longWest > 0) || !(*latNorth > 0)) {
        return {};
    }
    return {true, *longWest, *latNorth};
}

SkyScene BuildSkyScene(const SatelliteTable& table, const SkyPlace& place, HorizonMask mask,
                       std::string_view shownName, std::string_view shownSlot) {
    SkyScene scene;
    scene.mask = std::move(mask);
    if (!place.valid) {
        return scene;
    }
    scene.hasPlace = true;
    scene.truckLongWest = place.longWest;
    scene.truckLatNorth = place.latNorth;
    scene.arc = GeostationaryArc(place.longWest, place.latNorth);

    const std::string shown = Trimmed(shownName);
    const std::optional<double> shownSlotValue = Number(shownSlot);
    const auto& rows = table.Rows();
    scene.satellites.reserve(rows.size());
    // Row 0, the default satellite, is a copy of a catalogue row and shown there; only
    // a default that no catalogue row holds (a file edited by hand) is shown itself.
    std::size_t firstRow = 1;
    if (!rows.empty() && std::none_of(rows.begin() + 1, rows.end(), [&](const auto& record) {
            return record.SatName == rows[0].SatName && record.SatLong == rows[0].SatLong;
        })) {
        firstRow = 0;
    }
    for (std::size_t row = firstRow; row < rows.size(); ++row) {
        const SatelliteRecord& record = rows[row];
        SkySatellite satellite;
        satellite.row = static_cast<std::int16_t>(row);
        satellite.name = Trimmed(record.SatName);
        satellite.slotWest = record.SatLong;
        satellite.onLookList = record.SatLook == 1;
        satellite.shown = !shown.empty() && satellite.name == shown && shownSlotValue &&
                          *shownSlotValue == record.SatLong;
        try {
            const LookAngles angles =
                ComputeLookAngles(record.SatLong, place.longWest, place.latNorth, 0, 0);
            satellite.hasAngles = true;
            satellite.azimuth = angles.azimuth;
            satellite.elevation = angles.elevation;
            satellite.clearance = MaskClearance(scene.mask, angles.azimuth, angles.elevation);
        } catch (const RunTimeFailure&) {
            satellite.hasAngles = false;
        }
        scene.satellites.push_back(std::move(satellite));
    }
    std::stable_sort(scene.satellites.begin(), scene.satellites.end(),
                     [](const SkySatellite& a, const SkySatellite& b) {
                         if (a.hasAngles != b.hasAngles) {
                             return a.hasAngles;
                         }
                         return a.hasAngles && a.azimuth < b.azimuth;
                     });
    return scene;
}

std::string SkySatelliteText(const SkySatellite& satellite) {
    std::string text = satellite.name + ": ";
    if (!satellite.hasAngles) {
        text += "no look angles from here";
    } else {
        text += "azimuth " + OneDecimal(satellite.azimuth) + ", elevation " +
                OneDecimal(satellite.elevation) + ", " + HorizonText(satellite.clearance);
    }
    if (satellite.onLookList) {
        text += ", on the look list";
    }
    if (satellite.shown) {
        text += ", shown in the main window";
    }
    return text;
}

std::string SkySceneText(const SkyScene& scene, std::string_view placeName,
                         std::string_view lineBreak) {
    if (!scene.hasPlace) {
        return "No position to look from: calculate in the main window first.";
    }
    std::string text = "From ";
    const std::string name = Trimmed(placeName);
    if (!name.empty()) {
        text += name + " (";
    }
    text += Plain(scene.truckLongWest) + " W, " + Plain(scene.truckLatNorth) + " N";
    if (!name.empty()) {
        text += ")";
    }
    text += scene.mask.empty() ? ", flat horizon"
                               : ", horizon mask of " + std::to_string(scene.mask.size()) +
                                     (scene.mask.size() == 1 ? " point" : " points");
    text += ", " + std::to_string(scene.satellites.size()) + " satellites.";
    for (const SkySatellite& satellite : scene.satellites) {
        text += std::string(lineBreak) + SkySatelliteText(satellite);
    }
    if (scene.sun.valid) {
        text += std::string(lineBreak) + SunPathText(scene.sun);
    }
    return text;
}

}  // namespace tarvo
