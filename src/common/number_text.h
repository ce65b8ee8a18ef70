#pragma once

#include <string>

namespace tarvo {

// The text form of a double, the one way the program writes a number into a control
// or a file: the value rounded to at most 15 significant digits, no trailing zeros and
// no trailing point (200, 43.7), the period as decimal separator, a zero before the
// point for values between -1 and 1 (0.5, -0.25), a leading minus for negative values
// and never a plus sign. Magnitudes of 1E15 and above are written in exponent form
// (1E+15, 1.5E+20); small magnitudes never are (1E-20 gives 0.00000000000000000001).
// Negative zero is "0".
std::string NumberText(double value);

}  // namespace tarvo
