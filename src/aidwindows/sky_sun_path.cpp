#include "aidwindows/sky_sun_path.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "pointing/look_sphere.h"
#include "pointing/solar_position.h"
#include "pointing/sun_outage_texts.h"

namespace tarvo {

namespace {

constexpr UtcSeconds kStep = kSunPathStepMinutes * 60;

// ERFA's sun is worked out afresh once per six hours, at the middle of each quarter of
// the day; SunPass carries it for the three hours either side.
constexpr UtcSeconds kQuarter = kSecondsPerDay / 4;

std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string Minute(UtcSeconds at) {
    return UtcClockText(at).substr(0, 5);
}

class SunSampler {
  public:
    SunSampler(UtcSeconds start, double truckLongWest, double truckLatNorth)
        : start_(start),
          truck_(TruckPosition(truckLongWest, truckLatNorth)),
          axes_(AxesAt(truckLongWest, truckLatNorth)) {}

    SkySunPoint At(UtcSeconds at) {
        const int quarter =
            static_cast<int>(std::clamp<UtcSeconds>((at - start_) / kQuarter, 0, 3));
        if (quarter != quarter_) {
            pass_.emplace(static_cast<double>(start_ + quarter * kQuarter + kQuarter / 2));
            quarter_ = quarter;
        }
        const Vector3 sun = SunFromPosition(pass_->At(static_cast<double>(at)), truck_);
        const SkyDirection direction = DirectionFromTruck(sun, axes_);
        return {at, direction.azimuth, direction.elevation};
    }

  private:
    UtcSeconds start_;
    Vector3 truck_;
    TruckAxes axes_;
    int quarter_ = -1;
    std::optional<SunPass> pass_;
};

// The second the sun crosses the horizon between two points either side of it.
SkySunPoint HorizonCrossing(SunSampler& sun, SkySunPoint before, SkySunPoint after) {
    while (after.at - before.at > 1) {
        const SkySunPoint middle = sun.At(before.at + (after.at - before.at) / 2);
        ((middle.elevation < 0) == (before.elevation < 0) ? before : after) = middle;
    }
    return after;
}

}  // namespace

SkySunPath BuildSunPath(const CalendarDate& day, double truckLongWest, double truckLatNorth) {
    SkySunPath path;
    path.valid = true;
    // The truck's midnight by its longitude, on the step's whole minutes: the whole hours
    // of UTC fall on points.
    UtcSeconds start =
        UtcMidnight(day) + static_cast<UtcSeconds>(std::lround(truckLongWest / 15 * 3600));
    start -= ((start % kStep) + kStep) % kStep;
    SunSampler sun(start, truckLongWest, truckLatNorth);
    path.points.reserve(kSecondsPerDay / kStep + 1);
    for (UtcSeconds at = start; at <= start + kSecondsPerDay; at += kStep) {
        const SkySunPoint point = sun.At(at);
        if (!path.points.empty()) {
            const SkySunPoint& last = path.points.back();
            if (last.elevation < 0 && point.elevation >= 0 && !path.rise) {
                path.rise = HorizonCrossing(sun, last, point);
            } else if (last.elevation >= 0 && point.elevation < 0 && !path.set) {
                path.set = HorizonCrossing(sun, last, point);
            }
        }
        if (path.points.empty() || point.elevation > path.highest.elevation) {
            path.highest = point;
        }
        path.points.push_back(point);
    }
    return path;
}

void AddSunCrossing(SkySunPath& path, const std::string& satellite, double satLongWest,
                    double truckLongWest, double truckLatNorth, double outageAngleDeg) {
    path.crossing.reset();
    if (!path.valid || path.points.empty()) {
        return;
    }
    const UtcSeconds first = path.points.front().at;
    const UtcSeconds last = path.points.back().at;
    // The seasons of the two UTC days the solar day touches.
    const SunSeasons seasons(UtcDateOf(first), 2);
    for (const SunOutage& outage :
         PredictSunOutages(seasons, satLongWest, truckLongWest, truckLatNorth, outageAngleDeg)) {
        if (outage.closest >= first && outage.closest <= last) {
            const SkyDirection at =
                SunFromTruck(static_cast<double>(outage.closest), truckLongWest, truckLatNorth);
            path.crossing =
                SkySunCrossing{satellite, outage, {outage.closest, at.azimuth, at.elevation}};
            return;
        }
    }
}

std::string SunPathText(const SkySunPath& path) {
    if (!path.valid) {
        return {};
    }
    std::string text = "Sun: ";
    if (path.highest.elevation < 0) {
        text += "below the horizon all day";
    } else {
        if (path.rise) {
            text += "rises " + Minute(path.rise->at) + " UTC at azimuth " +
                    OneDecimal(path.rise->azimuth) + ", ";
        } else {
            text += "above the horizon all day, ";
        }
        text += "highest " + OneDecimal(path.highest.elevation) + " at " + Minute(path.highest.at) +
                (path.rise ? "" : " UTC");
        if (path.set) {
            text +=
                ", sets " + Minute(path.set->at) + " at azimuth " + OneDecimal(path.set->azimuth);
        }
    }
    if (path.crossing) {
        const SkySunCrossing& crossing = *path.crossing;
        const SunOutageTexts texts = OutageTexts(crossing.outage);
        text += "; behind " + crossing.satellite + " from " + texts.start + " to " + texts.end +
                " UTC, closest " + texts.closest + " at " + texts.closestAt + ", azimuth " +
                OneDecimal(crossing.closest.azimuth) + ", elevation " +
                OneDecimal(crossing.closest.elevation);
    }
    return text + ".";
}

}  // namespace tarvo
