#include "pointing/geostationary_arc.h"

#include <algorithm>
#include <cmath>

#include "common/failure.h"
#include "geometry/angles.h"
#include "geometry/look_angle.h"

namespace tarvo {

namespace {

// The orbit radius in earth radii, as the look angles take it.
constexpr double kOrbitRatio = 6.61;

}  // namespace

std::vector<ArcPoint> GeostationaryArc(double truckLongWest, double truckLatNorth, double step) {
    std::vector<ArcPoint> arc;
    const double reach = 1 / (kOrbitRatio * std::cos(FnRad(truckLatNorth)));
    if (!(step > 0) || !std::isfinite(reach) || reach <= 0 || reach >= 1) {
        return arc;
    }
    // The widest difference of longitude between truck and slot still above the horizon.
    const double widest = FnDeg(std::acos(reach));
    const int steps = static_cast<int>(std::ceil(2 * widest / step));
    arc.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        // East horizon first: a slot east of the truck has a smaller west longitude.
        const double difference = std::min(-widest + i * step, widest);
        const double slot = truckLongWest + difference;
        try {
            const LookAngles angles = ComputeLookAngles(slot, truckLongWest, truckLatNorth, 0, 0);
            arc.push_back({slot, angles.azimuth, std::max(angles.elevation, 0.0)});
        } catch (const RunTimeFailure&) {
            // straight overhead or at the poles' edge: no direction to draw
        }
    }
    return arc;
}

}  // namespace tarvo
