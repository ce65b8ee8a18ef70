#pragma once

#include <string_view>

namespace tarvo {

// Decimal degrees from a typed coordinate: plain decimal degrees ("40.5"), degrees and
// minutes ("40 30") or degrees, minutes and seconds ("40 30 15") separated by single
// spaces. Degrees-and-minutes forms are rounded to 4 places (Round4); a plain number is
// returned as read. No range checks: minutes or seconds of 60 or more simply add up.
// Throws RunTimeFailure on overflow.
double ConvertToDecimal(std::string_view text);

}  // namespace tarvo
