#include "pointing/horizon_mask.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tarvo {
namespace {

// An azimuth brought into [0, 360).
double Wrapped(double azimuth) {
    double wrapped = std::fmod(azimuth, 360.0);
    if (wrapped < 0) {
        wrapped += 360;
    }
    return wrapped >= 360 ? 0 : wrapped;  // fmod of a tiny negative can give 360
}

// The elevation on the straight line from `from` to `to` at `azimuth`, where the line
// runs `span` degrees clockwise and `azimuth` lies `along` degrees after `from`.
double OnLine(const HorizonPoint& from, const HorizonPoint& to, double along, double span) {
    if (span <= 0) {
        return std::max(from.elevation, to.elevation);
    }
    return from.elevation + (to.elevation - from.elevation) * (along / span);
}

}  // namespace

HorizonMask OrderedMask(HorizonMask mask) {
    // A point typed at 360 is north reached from the west: of the points at north it
    // comes first, where the line across north arrives; one typed at 0 leaves eastwards.
    std::stable_sort(mask.begin(), mask.end(), [](const HorizonPoint& a, const HorizonPoint& b) {
        const double left = Wrapped(a.azimuth);
        const double right = Wrapped(b.azimuth);
        if (left != right) {
            return left < right;
        }
        return a.azimuth > b.azimuth && left == 0;  // 360 before 0
    });
    for (HorizonPoint& point : mask) {
        point.azimuth = Wrapped(point.azimuth);
    }
    return mask;
}

double MaskElevationAt(const HorizonMask& mask, double azimuth) {
    if (mask.empty()) {
        return 0;
    }
    const HorizonMask points = OrderedMask(mask);
    const double az = Wrapped(azimuth);

    // Exactly on points: the highest of them.
    bool onPoint = false;
    double highest = 0;
    for (const HorizonPoint& point : points) {
        if (point.azimuth == az) {
            highest = onPoint ? std::max(highest, point.elevation) : point.elevation;
            onPoint = true;
        }
    }
    if (onPoint) {
        return highest;
    }

    // Between two neighbours: the last point before `az` and the first after it. Before
    // the first point or after the last, the line across north joins the last to the
    // first.
    const auto after = std::upper_bound(
        points.begin(), points.end(), az,
        [](double value, const HorizonPoint& point) { return value < point.azimuth; });
    if (after == points.begin() || after == points.end()) {
        const HorizonPoint& last = points.back();
        const HorizonPoint& first = points.front();
        const double span = first.azimuth + 360 - last.azimuth;
        const double along = az >= last.azimuth ? az - last.azimuth : az + 360 - last.azimuth;
        return OnLine(last, first, along, span);
    }
    const HorizonPoint& to = *after;
    const HorizonPoint& from = *(after - 1);
    return OnLine(from, to, az - from.azimuth, to.azimuth - from.azimuth);
}

double MaskClearance(const HorizonMask& mask, double azimuth, double elevation) {
    return elevation - MaskElevationAt(mask, azimuth);
}

}  // namespace tarvo
