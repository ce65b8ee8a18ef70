#pragma once

#include <optional>
#include <string_view>

namespace tarvo {

// The numeric value of a typed text, the one way the program reads a number from a
// control or a typed field.
//  - Spaces, tabs and line feeds anywhere in the text are skipped ("40 30 15" reads
//    as 403015).
//  - Then: an optional sign, digits with at most one period as decimal separator
//    (always the period, whatever the locale; a comma ends the number), and an
//    optional exponent: E or D in either case, an optional sign and digits.
//  - "&H" or "&O" (either case) at the start introduce a hexadecimal or octal whole
//    number.
//  - Reading stops at the first character that cannot continue the number; the value
//    read so far is the result. A text without a leading number gives 0.
// Throws RunTimeFailure when the value lies beyond the double range (overflow);
// a value too small for a double reads as 0.
double NumericValue(std::string_view text);

// The strict conversion: the value of a text that is one number as a whole, or no
// value at all. Blanks (space, tab, line feed) may stand before and after the number
// but not inside it, so a degrees-minutes-seconds entry such as "40 30 15" is no number
// here; what lies between them must read completely by the rules of NumericValue,
// with at least one digit and digits after an exponent letter ("1E" is no number).
// An empty text, a text of blanks, "12abc", "1,5" and "1.2.3" give no value; so does
// a value beyond the double range. A value too small for a double reads as 0.
std::optional<double> StrictNumericValue(std::string_view text);

}  // namespace tarvo
