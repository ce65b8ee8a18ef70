#pragma once

#include <optional>
#include <string_view>

namespace tarvo {

// Decimal degrees from a typed coordinate: plain decimal degrees ("40.5"), degrees and
// minutes ("40 30") or degrees, minutes and seconds ("40 30 15") separated by single
// spaces. Degrees-and-minutes forms are rounded to 4 places (Round4); a plain number is
// returned as read. No range checks: minutes or seconds of 60 or more simply add up.
// Throws RunTimeFailure on overflow.
double ConvertToDecimal(std::string_view text);

// A coordinate as the location commands store it, read one way whatever the boxes
// were left holding: a text that is one number as a whole is taken as it stands
// (StrictNumericValue); degrees and minutes, or degrees, minutes and seconds, each
// field a number as a whole and the fields separated by single spaces, are converted
// as ConvertToDecimal does ("40 30 15" gives 40.5042). Spaces before and after are
// ignored. Anything else (an empty text, "40abc", "40  30", four fields, a value
// beyond the range of a double) gives no value.
std::optional<double> CoordinateValue(std::string_view text);

}  // namespace tarvo
