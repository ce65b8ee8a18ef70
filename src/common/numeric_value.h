#pragma once

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

}  // namespace tarvo
