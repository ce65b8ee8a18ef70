#pragma once

#include <utility>
#include <vector>

#include "pointing/calendar_date.h"
#include "pointing/utc_time.h"

namespace tarvo {

// A dish's beamwidth in degrees: 70 x wavelength / diameter, the wavelength in metres
// being 0.299792458 / frequency in GHz. Throws std::invalid_argument unless both the
// diameter (metres) and the frequency (GHz) are positive numbers.
double BeamwidthDeg(double dishDiameterM, double frequencyGHz);

// The angle between the sun and the satellite below which the sun's noise drowns the
// downlink: half the beamwidth and the sun's own radius, 0.27 degrees. 0.756 for 1.8 m
// at 12 GHz. Throws as BeamwidthDeg does.
double OutageAngleDeg(double dishDiameterM, double frequencyGHz);

// The widest outage angle the prediction takes, degrees: a dish hardly wider than its
// wavelength. Wider ones are refused.
inline constexpr double kWidestOutageAngle = 30;

// The angle in degrees between the satellite (degrees west) and the sun as a truck
// (degrees west and north) sees them at an instant, both from the truck's place on the
// sphere of the look angles.
double SunSatelliteAngleDeg(double seconds, double satLongWest, double truckLongWest,
                            double truckLatNorth);

// One pass of the sun behind a satellite: while the angle between them is below the
// outage angle. The edges are the seconds when the angle crosses it, rounded up to the
// whole second, so `start` is the first second inside, `end` the first one after.
struct SunOutage {
    UtcSeconds start = 0;
    UtcSeconds end = 0;
    double closestDeg = 0;   // the smallest angle between sun and satellite, degrees
    UtcSeconds closest = 0;  // when it is smallest, to the second
};

// The sun's declination through a period, every few days: what the prediction finds
// the seasons with, worked out once for any number of satellites. The period runs from
// midnight UTC of `from` for `days` days.
class SunSeasons {
  public:
    explicit SunSeasons(const CalendarDate& from, int days = 365);

    UtcSeconds begin() const { return begin_; }
    UtcSeconds end() const { return begin_ + static_cast<UtcSeconds>(days_) * kSecondsPerDay; }
    int days() const { return days_; }

    // The least and the most of the declination over [from, to] (seconds within the
    // period or a day either side), degrees, within 0.03.
    std::pair<double, double> DeclinationRange(double from, double to) const;

  private:
    UtcSeconds begin_ = 0;
    int days_ = 0;
    std::vector<double> declination_;  // degrees, every kStepDays from a day before
};

// Every outage of a satellite (degrees west) for a truck (degrees west and north) that
// starts within the period, in order. The days near the declination the satellite has
// as the truck sees it are bracketed from the seasons, each pass there is found from
// the sun's place that day, its closest moment is sought, and its edges bisected to the
// second. None for a satellite at or below the truck's horizon. Throws
// std::invalid_argument for an outage angle not above 0 or above kWidestOutageAngle.
std::vector<SunOutage> PredictSunOutages(const SunSeasons& seasons, double satLongWest,
                                         double truckLongWest, double truckLatNorth,
                                         double outageAngleDeg);

// The same for the 365 days from `from`.
std::vector<SunOutage> PredictSunOutages(const CalendarDate& from, double satLongWest,
                                         double truckLongWest, double truckLatNorth,
                                         double outageAngleDeg);

}  // namespace tarvo
