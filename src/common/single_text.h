#pragma once

#include <string>

namespace tarvo {

// The text form of a number held in single precision, as the font size chosen in the
// font dialog is written into the point size box: the value as a float, rounded to at
// most 7 significant digits, then written as NumberText writes (10, 10.5, 10.3 and not
// the float's 10.3000002). Throws RunTimeFailure (overflow) for a value beyond the
// float range or not a number.
std::string SingleText(double value);

}  // namespace tarvo
