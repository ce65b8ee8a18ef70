#include "pointing/magnetic_declination.h"

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/MagneticModel.hpp>
#include <cmath>

namespace tarvo {

MagneticDeclination::MagneticDeclination(const std::string& folder, const std::string& name) {
    try {
        model_ = std::make_unique<GeographicLib::MagneticModel>(name, folder);
    } catch (const GeographicLib::GeographicErr& failure) {
        throw MagneticModelError(failure.what());
    }
    name_ = model_->MagneticModelName();
    firstYear_ = model_->MinTime();
    endYear_ = model_->MaxTime();
    if (!(firstYear_ < endYear_)) {
        throw MagneticModelError("The magnetic model " + name_ + " names no years it is made for");
    }
}

MagneticDeclination::~MagneticDeclination() = default;

bool MagneticDeclination::Covers(double decimalYear) const {
    return decimalYear >= firstYear_ && decimalYear < endYear_;
}

std::optional<double> MagneticDeclination::DeclinationDeg(double latNorth, double lonEast,
                                                          double decimalYear) const {
    if (!Covers(decimalYear) || !(std::fabs(latNorth) <= 90) || !std::isfinite(lonEast)) {
        return std::nullopt;
    }
    double east = 0, north = 0, up = 0;
    (*model_)(decimalYear, latNorth, lonEast, 0, east, north, up);
    double horizontal = 0, total = 0, declination = 0, inclination = 0;
    GeographicLib::MagneticModel::FieldComponents(east, north, up, horizontal, total, declination,
                                                  inclination);
    if (!(horizontal > 0) || !std::isfinite(declination)) {
        return std::nullopt;
    }
    return declination;
}

}  // namespace tarvo
