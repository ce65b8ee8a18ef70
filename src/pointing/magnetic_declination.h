#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace GeographicLib {
class MagneticModel;
}

namespace tarvo {

// A magnetic model that could not be read, with the reason.
class MagneticModelError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The magnetic declination (the angle from true north to magnetic north, east positive)
// of a world magnetic model, through GeographicLib's MagneticModel. The model is read
// from the two files `<name>.wmm` and `<name>.wmm.cof` of a folder, as the build makes
// them from the published coefficients.
class MagneticDeclination {
  public:
    // Throws MagneticModelError when the files are missing or damaged.
    MagneticDeclination(const std::string& folder, const std::string& name);
    ~MagneticDeclination();
    MagneticDeclination(const MagneticDeclination&) = delete;
    MagneticDeclination& operator=(const MagneticDeclination&) = delete;

    // The model's own name ("WMM2025") and the decimal years it is made for.
    const std::string& Name() const { return name_; }
    double FirstYear() const { return firstYear_; }
    double EndYear() const { return endYear_; }

    // True for FirstYear() <= year < EndYear(): the day the model ends on is the first
    // of its successor's, so 2030.0 belongs to the next model, not to WMM2025.
    bool Covers(double decimalYear) const;

    // The declination in degrees, east positive, at a place on the WGS-84 ellipsoid at
    // height 0 (latitude geodetic, degrees north; longitude degrees east) at a decimal
    // year. Nothing outside the model's years, for a latitude beyond the poles, and
    // where the field has no horizontal part to point a compass.
    std::optional<double> DeclinationDeg(double latNorth, double lonEast, double decimalYear) const;

  private:
    std::unique_ptr<GeographicLib::MagneticModel> model_;
    std::string name_;
    double firstYear_ = 0;
    double endYear_ = 0;
};

}  // namespace tarvo
