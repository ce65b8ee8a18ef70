#include "geometry/convert_to_decimal.h"

#include <string>

#include "common/failure.h"
#include "common/fixed_text.h"
#include "common/numeric_value.h"
#include "geometry/angles.h"

namespace tarvo {

double ConvertToDecimal(std::string_view text) {
    if (NumericValue(text) == 0) {
        return 0;
    }
    const std::string s = TrimSpaces(text);
    const std::size_t first = s.find(' ');
    if (first == std::string::npos) {
        return NumericValue(s);
    }
    // Positions counted from 1, as the field boundaries are described: p1 is the first
    // space, p2 the second.
    const std::size_t p1 = first + 1;
    const std::size_t second = s.find(' ', p1);
    const std::string_view all(s);
    if (second == std::string::npos) {
        const double minutes = NumericValue(all.substr(p1));
        const double degrees = NumericValue(all.substr(0, p1));
        return Round4(minutes / 60 + degrees);
    }
    const std::size_t p2 = second + 1;
    const double seconds = NumericValue(all.substr(p2));
    double minutes = NumericValue(all.substr(p1 - 1, p2 - p1));
    minutes = seconds / 60 + minutes;
    const double degrees = NumericValue(all.substr(0, p1));
    return Round4(minutes / 60 + degrees);
}

std::optional<double> CoordinateValue(std::string_view text) {
    const std::string s = TrimSpaces(text);
    // One to three fields between single spaces, each a number as a whole.
    std::size_t fields = 0;
    for (std::size_t begin = 0;;) {
        const std::size_t end = s.find(' ', begin);
        const std::string_view field = std::string_view(s).substr(begin, end - begin);
        if (field.empty() || !StrictNumericValue(field)) {
            return std::nullopt;
        }
        ++fields;
        if (end == std::string::npos) {
            break;
        }
        begin = end + 1;
    }
    if (fields > 3) {
        return std::nullopt;
    }
    if (fields == 1) {
        return StrictNumericValue(s);
    }
    try {
        return ConvertToDecimal(s);
    } catch (const RunTimeFailure&) {
        return std::nullopt;  // degrees so large that the rounding overflows
    }
}

}  // namespace tarvo
