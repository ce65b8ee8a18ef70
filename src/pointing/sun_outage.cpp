#include "pointing/sun_outage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <stdexcept>

#include "pointing/look_sphere.h"
#include "pointing/solar_position.h"

namespace tarvo {

namespace {

constexpr double kDegree = 180 / std::numbers::pi;

// The declination is sampled every four days: between samples a straight line stays
// within 0.014 degrees of it (its second derivative never exceeds 0.007 degrees a day
// squared), which the ranges allow for with 0.03.
constexpr int kStepDays = 4;
constexpr double kInterpolationAllowance = 0.03;

// The sun turns about the pole a quarter of a degree a minute.
constexpr double kSunDegreesPerMinute = 0.25;

// The longest the search looks either side of a pass's centre, seconds.
constexpr double kWidestHalfWindow = 4 * 3600;

// The golden section's ratio.
constexpr double kGolden = 0.6180339887498949;

// The satellite as the truck sees it: the direction from the truck's place on the sphere.
struct SatelliteFromTruck {
    Vector3 truck{};
    Vector3 direction{};     // not of unit length
    double declination = 0;  // degrees north of the equator's plane, as seen from the truck
    double longitude = 0;    // degrees east, the hour circle it lies on
};

double AngleDeg(const SunPass& pass, double seconds, const SatelliteFromTruck& satellite) {
    const Vector3 sun = SunFromPosition(pass.At(seconds), satellite.truck);
    return AngleBetween(satellite.direction, sun) * kDegree;
}

// The degrees from `from` to `to` going east, 0 to 360.
double EastwardDeg(double from, double to) {
    const double apart = std::fmod(to - from, 360.0);
    return apart < 0 ? apart + 360 : apart;
}

// The pass of the sun across the satellite's hour circle about `centre`: its closest
// moment and its edges, or nothing when the sun stays outside the outage angle.
std::optional<SunOutage> RefinePass(double centre, double outageAngle,
                                    const SatelliteFromTruck& satellite) {
    const SunPass pass(centre);
    const auto angle = [&](double t) { return AngleDeg(pass, t, satellite); };

    // Wide enough that both ends lie outside: the sun's hour angle has to move the outage
    // angle and a margin, slower away from the equator.
    const double steepest = std::min(std::abs(satellite.declination) + outageAngle, 60.0);
    double halfWindow =
        (outageAngle + 0.3) / (kSunDegreesPerMinute * std::cos(steepest / kDegree)) * 60 + 180;
    while ((angle(centre - halfWindow) < outageAngle || angle(centre + halfWindow) < outageAngle) &&
           halfWindow < kWidestHalfWindow) {
        halfWindow = std::min(2 * halfWindow, kWidestHalfWindow);
    }

    // The closest moment: the angle falls and then rises across the window.
    double a = centre - halfWindow, b = centre + halfWindow;
    double x1 = b - kGolden * (b - a), x2 = a + kGolden * (b - a);
    double f1 = angle(x1), f2 = angle(x2);
    while (b - a > 0.5) {
        if (f1 < f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - kGolden * (b - a);
            f1 = angle(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + kGolden * (b - a);
            f2 = angle(x2);
        }
    }
    const double closestTime = std::round(0.5 * (a + b));
    const double closest = angle(closestTime);
    if (!(closest < outageAngle)) {
        return std::nullopt;  // outside, or inside for less than a second
    }

    // Each edge bisected between a second outside and one inside, down to one second.
    const auto inside = [&](double t) { return angle(t) < outageAngle; };
    double outside = std::floor(centre - halfWindow), in = closestTime;
    while (in - outside > 1) {
        const double middle = std::floor(0.5 * (in + outside));
        (inside(middle) ? in : outside) = middle;
    }
    const double start = in;
    in = closestTime;
    outside = std::ceil(centre + halfWindow);
    while (outside - in > 1) {
        const double middle = std::floor(0.5 * (in + outside));
        (inside(middle) ? in : outside) = middle;
    }
    return SunOutage{static_cast<UtcSeconds>(start), static_cast<UtcSeconds>(outside), closest,
                     static_cast<UtcSeconds>(closestTime)};
}

}  // namespace

double BeamwidthDeg(double dishDiameterM, double frequencyGHz) {
    if (!(dishDiameterM > 0) || !(frequencyGHz > 0) || !std::isfinite(dishDiameterM) ||
        !std::isfinite(frequencyGHz)) {
        throw std::invalid_argument("the dish diameter and the frequency must be positive");
    }
    const double wavelength = 0.299792458 / frequencyGHz;
    return 70 * wavelength / dishDiameterM;
}

double OutageAngleDeg(double dishDiameterM, double frequencyGHz) {
    return BeamwidthDeg(dishDiameterM, frequencyGHz) / 2 + 0.27;
}

double SunSatelliteAngleDeg(double seconds, double satLongWest, double truckLongWest,
                            double truckLatNorth) {
    const Vector3 truck = TruckPosition(truckLongWest, truckLatNorth);
    const Vector3 sun = SunFromPosition(SunAt(seconds), truck);
    return AngleBetween(SatellitePosition(satLongWest) - truck, sun) * kDegree;
}

SunSeasons::SunSeasons(const CalendarDate& from, int days)
    : begin_(UtcMidnight(from)), days_(std::max(days, 0)) {
    // From two days before the period to two after it, for the passes at its edges.
    const int samples = (days_ + 4) / kStepDays + 2;
    declination_.reserve(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(begin_ - 2 * kSecondsPerDay) +
                         static_cast<double>(i) * kStepDays * kSecondsPerDay;
        declination_.push_back(std::asin(SunAt(t).direction[2]) * kDegree);
    }
}

std::pair<double, double> SunSeasons::DeclinationRange(double from, double to) const {
    const double first = static_cast<double>(begin_ - 2 * kSecondsPerDay);
    const double step = static_cast<double>(kStepDays * kSecondsPerDay);
    const auto last = static_cast<double>(declination_.size() - 1);
    const auto at = [&](double t) {
        const double position = std::clamp((t - first) / step, 0.0, last);
        const auto i = std::min(static_cast<std::size_t>(position), declination_.size() - 2);
        const double part = position - static_cast<double>(i);
        return declination_[i] + part * (declination_[i + 1] - declination_[i]);
    };
    double least = std::min(at(from), at(to));
    double most = std::max(at(from), at(to));
    // The samples between the two ends.
    for (double position = std::ceil((from - first) / step);
         position * step + first < to && position <= last; position += 1) {
        if (position >= 0) {
            least = std::min(least, declination_[static_cast<std::size_t>(position)]);
            most = std::max(most, declination_[static_cast<std::size_t>(position)]);
        }
    }
    return {least - kInterpolationAllowance, most + kInterpolationAllowance};
}

std::vector<SunOutage> PredictSunOutages(const SunSeasons& seasons, double satLongWest,
                                         double truckLongWest, double truckLatNorth,
                                         double outageAngleDeg) {
    if (!(outageAngleDeg > 0) || !(outageAngleDeg <= kWidestOutageAngle)) {
        throw std::invalid_argument("the outage angle is out of range");
    }
    std::vector<SunOutage> outages;
    SatelliteFromTruck satellite;
    satellite.truck = TruckPosition(truckLongWest, truckLatNorth);
    satellite.direction = SatellitePosition(satLongWest) - satellite.truck;
    if (!(Dot(satellite.direction, satellite.truck) > 0)) {
        return outages;  // at or below the horizon
    }
    const Vector3& towards = satellite.direction;
    satellite.declination = std::asin(towards[2] / Length(towards)) * kDegree;
    satellite.longitude = std::atan2(towards[1], towards[0]) * kDegree;

    // Each day whose declination comes near the satellite's: when the sun next reaches
    // the satellite's hour circle from the day's start, turning west a full circle a day.
    double lastCentre = -std::numeric_limits<double>::infinity();
    for (int day = -1; day <= seasons.days(); ++day) {
        const double dayStart =
            static_cast<double>(seasons.begin() + static_cast<UtcSeconds>(day) * kSecondsPerDay);
        const auto [least, most] = seasons.DeclinationRange(dayStart, dayStart + kSecondsPerDay);
        if (most < satellite.declination - outageAngleDeg ||
            least > satellite.declination + outageAngleDeg) {
            continue;
        }
        const Vector3 sun = SunAt(dayStart).direction;
        const double sunLongitude = std::atan2(sun[1], sun[0]) * kDegree;
        const double centre =
            dayStart + EastwardDeg(satellite.longitude, sunLongitude) / 360 * kSecondsPerDay;
        if (centre - lastCentre < kSecondsPerDay / 2) {
            continue;  // the pass the day before found already
        }
        lastCentre = centre;
        const std::optional<SunOutage> outage = RefinePass(centre, outageAngleDeg, satellite);
        if (outage && outage->start >= seasons.begin() && outage->start < seasons.end()) {
            outages.push_back(*outage);
        }
    }
    return outages;
}

std::vector<SunOutage> PredictSunOutages(const CalendarDate& from, double satLongWest,
                                         double truckLongWest, double truckLatNorth,
                                         double outageAngleDeg) {
    return PredictSunOutages(SunSeasons(from), satLongWest, truckLongWest, truckLatNorth,
                             outageAngleDeg);
}

}  // namespace tarvo
