#pragma once

#include <vector>

namespace tarvo {

// One point of a horizon mask: the top of what stands round the truck in one direction.
struct HorizonPoint {
    double azimuth = 0;    // degrees true, 0 to 360
    double elevation = 0;  // degrees above the horizon, -5 to 90
    bool operator==(const HorizonPoint&) const = default;
};

// What the truck sees past round it: obstacle points joined by straight lines in
// azimuth, all the way round (the last point joins the first across north). No points
// is the flat horizon at 0 degrees; one point is a horizon at its height all round.
//
// Several points at one azimuth make a step, as the edge of a building does: the line
// from the left arrives at the first of them in the order given, the line to the right
// leaves from the last, and exactly at that azimuth the highest counts (the edge itself
// blocks). An azimuth of 360 is north, as 0 is, reached from the west: of the points at
// north, those typed as 360 come before those typed as 0.
using HorizonMask = std::vector<HorizonPoint>;

// The mask's elevation (degrees) at `azimuth` (degrees, any value: it is brought into
// 0 to 360 first).
double MaskElevationAt(const HorizonMask& mask, double azimuth);

// How far a direction (azimuth and elevation, degrees) lies above the mask: positive
// or zero when it clears the mask by that much, negative when the mask blocks it by
// that much.
double MaskClearance(const HorizonMask& mask, double azimuth, double elevation);

// The mask's points in the order the arithmetic joins them, azimuths in [0, 360): by
// azimuth, points of one azimuth in the order given (those typed as 360 first).
HorizonMask OrderedMask(HorizonMask mask);

}  // namespace tarvo
