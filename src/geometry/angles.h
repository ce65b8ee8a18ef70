#pragma once

namespace tarvo {

// The program's value of pi: the decimal literal 3.1415927, not the full-precision
// constant. Every figure the program shows depends on it to the last digit.
inline constexpr double Pi = 3.1415927;

// Degrees to radians: Pi * x / 180 (multiply first, then divide).
double FnRad(double degrees);

// Radians to degrees: x * 180 / Pi (multiply first, then divide).
double FnDeg(double radians);

// Whatever its name says, the inverse cosine: the angle in radians (about 0 to Pi)
// whose cosine is x, for -1 < x < 1, built from the arctangent as
// -atan(x / sqrt((-x) * x - (-1))) + Pi / 2. Throws RunTimeFailure for x = +-1
// (division by zero) and |x| > 1 (square root of a negative number).
double FnArcsn(double x);

// Rounding to 1, 3 and 4 decimal places: y = x * 10^k; if y - floor(y) >= 0.5 then
// y = y + 1; result floor(y) / 10^k. Halves go towards plus infinity, negative values
// too (-1.2345 gives -1.234), judged on the double product as computed.
// Throw RunTimeFailure when the product overflows.
double fnRound1(double x);
double fnRound3(double x);
double Round4(double x);

}  // namespace tarvo
