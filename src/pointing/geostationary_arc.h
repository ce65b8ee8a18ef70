#pragma once

#include <vector>

namespace tarvo {

// One orbital slot of the geostationary arc as seen from the truck.
struct ArcPoint {
    double slotWest = 0;   // degrees west (negative: east)
    double azimuth = 0;    // degrees true
    double elevation = 0;  // degrees
};

// The geostationary arc from a truck (degrees west and north): the slots from the
// eastern horizon to the western one, `step` degrees of slot apart, both horizons
// included, each with the look angles the main window would give it without antenna
// offsets. The horizon lies where the central angle's cosine is 1/6.61, the orbit
// radius of the look angles. Slots whose look angles cannot be worked out are left
// out; a truck too far north to see the arc gets none.
std::vector<ArcPoint> GeostationaryArc(double truckLongWest, double truckLatNorth,
                                       double step = 0.5);

}  // namespace tarvo
