#include "common/single_text.h"

#include <charconv>
#include <cmath>

#include "common/failure.h"
#include "common/number_text.h"

namespace tarvo {

std::string SingleText(double value) {
    const float single = static_cast<float>(value);
    if (!std::isfinite(single)) {
        throw RunTimeFailure("Overflow");
    }
    // Seven significant digits of the float, read back as the double they spell.
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, single, std::chars_format::general, 7);
    double spelled = 0;
    std::from_chars(buffer, written.ptr, spelled);
    return NumberText(spelled);
}

}  // namespace tarvo
