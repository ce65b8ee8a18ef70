#include "geometry/angles.h"

#include <cmath>

#include "common/failure.h"

namespace tarvo {

namespace {

double Checked(double value) {
    if (!std::isfinite(value)) {
        throw RunTimeFailure("Overflow");
    }
    return value;
}

double RoundToPlaces(double x, double multiplier) {
    double y = Checked(x * multiplier);
    const double f = y - std::floor(y);
    if (f >= 0.5) {
        y = y + 1;
    }
    return std::floor(y) / multiplier;
}

}  // namespace

double FnRad(double degrees) {
    return Checked(Pi * degrees / 180);
}

double FnDeg(double radians) {
    return Checked(radians * 180 / Pi);
}

double FnArcsn(double x) {
    const double d = (-x) * x - (-1);
    if (!(d >= 0)) {  // also catches NaN
        throw RunTimeFailure("Invalid procedure call or argument");
    }
    const double s = std::sqrt(d);
    if (s == 0) {
        throw RunTimeFailure("Division by zero");
    }
    const double t = std::atan(Checked(x / s));
    return -t + Pi / 2;
}

double fnRound1(double x) {
    return RoundToPlaces(x, 10);
}

double fnRound3(double x) {
    return RoundToPlaces(x, 1000);
}

double Round4(double x) {
    return RoundToPlaces(x, 10000);
}

}  // namespace tarvo
