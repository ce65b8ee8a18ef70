#include "common/int16.h"

#include <cmath>

#include "common/failure.h"

namespace tarvo {

double RoundHalfToEven(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;  // exact: no rounding in the subtraction
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) {
        whole += 1;
    }
    return whole;
}

std::int16_t RoundToInt16(double value) {
    // The range test comes first so that the rounding below never meets huge values,
    // infinities or NaN (the comparison is false for NaN).
    if (!(value > -32769.0 && value < 32768.0)) {
        throw RunTimeFailure("Overflow");
    }
    const double whole = RoundHalfToEven(value);
    if (whole < -32768.0 || whole > 32767.0) {
        throw RunTimeFailure("Overflow");
    }
    return static_cast<std::int16_t>(whole);
}

}  // namespace tarvo
