#include "geometry/look_angle.h"

#include <cmath>

#include "geometry/angles.h"

namespace tarvo {

namespace {

// Ratio of the geostationary orbit radius to the earth radius, its square, and the
// orbit radius in nautical miles.
constexpr double kOrbitRatio = 6.61;
constexpr double kOrbitRatioSquared = 43.6921;
constexpr double kOrbitRadiusNm = 22766;

// Fails with the point the calculation has reached.
class Step {
  public:
    CalculationStage stage = CalculationStage::FailedBeforeAzimuth;

    double Finite(double value) const {
        if (!std::isfinite(value)) {
            throw LookAngleFailure("Overflow", stage);
        }
        return value;
    }
    double Quotient(double dividend, double divisor) const {
        if (divisor == 0) {
            throw LookAngleFailure("Division by zero", stage);
        }
        return Finite(dividend / divisor);
    }
    double SquareRoot(double value) const {
        if (!(value >= 0)) {
            throw LookAngleFailure("Invalid procedure call or argument", stage);
        }
        return std::sqrt(value);
    }
    // Runs one of the angle functions, passing its failure on with the count.
    template <typename F>
    double Call(F function, double x) const {
        try {
            return function(x);
        } catch (const RunTimeFailure& failure) {
            throw LookAngleFailure(failure.what(), stage);
        }
    }
};

}  // namespace

LookAngles ComputeLookAngles(double satLongWestDeg, double truckLongWestDeg,
                             double truckLatNorthDeg, double azOffsetDeg, double elOffsetDeg) {
    Step step;
    LookAngles result;

    const double S = step.Call(FnRad, satLongWestDeg);
    const double Lo = step.Call(FnRad, truckLongWestDeg);
    const double La = step.Call(FnRad, truckLatNorthDeg);
    const double D = Lo - S;

    // Central angle between the truck and the sub-satellite point (the formulas' beta).
    const double centralAngleRad = step.Call(FnArcsn, std::cos(La) * std::cos(D));

    // Azimuth; east of the satellite it is measured the other way round.
    double A = step.Call(FnArcsn, step.Quotient(-std::tan(La), std::tan(centralAngleRad)));
    if (D < 0) {
        A = 2 * Pi - A;
    }
    double az = step.Call(FnDeg, A);
    if (azOffsetDeg != 0) {
        az = step.Finite(azOffsetDeg + az);
        result.azimuthAdjusted = true;
    }
    step.stage = CalculationStage::FailedBeforeElevation;
    result.azimuth = step.Call(fnRound3, az);

    // Elevation: arctan((cos beta - 1/6.61) / sin beta).
    const double q = std::cos(centralAngleRad);
    const double sinCentralAngle = step.SquareRoot(1 - q * q);
    double el = step.Call(FnDeg, std::atan(step.Quotient(q - 1 / kOrbitRatio, sinCentralAngle)));
    if (elOffsetDeg != 0) {
        el = step.Finite(elOffsetDeg + el);
        result.elevationAdjusted = true;
    }
    step.stage = CalculationStage::FailedBeforeRange;
    result.elevation = step.Call(fnRound3, el);

    // Slant range, nautical miles.
    const double r = step.SquareRoot(1 - (2 / kOrbitRatio) * std::cos(centralAngleRad) +
                                     1 / kOrbitRatioSquared) *
                     kOrbitRadiusNm;
    result.range = step.Call(fnRound1, r);
    return result;
}

}  // namespace tarvo
