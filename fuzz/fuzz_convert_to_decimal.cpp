// Typed coordinates of any bytes: either decimal degrees or a run-time failure.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "common/number_text.h"
#include "common/numeric_value.h"
#include "geometry/convert_to_decimal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double degrees;
    try {
        degrees = tarvo::ConvertToDecimal(text);
    } catch (const tarvo::RunTimeFailure&) {
        return 0;
    }
    if (!std::isfinite(degrees)) {
        std::abort();
    }
    // A text that reads as 0 is 0 whatever its spaces.
    bool zero = false;
    try {
        zero = tarvo::NumericValue(text) == 0;
    } catch (const tarvo::RunTimeFailure&) {
        std::abort();  // it was read once already without failing
    }
    if (zero && degrees != 0) {
        std::abort();
    }
    // The box is rewritten with the result; the rewritten text converts to itself.
    const std::string rewritten = tarvo::NumberText(degrees);
    if (rewritten.empty()) {
        std::abort();
    }
    if (std::fabs(degrees) <= 1e300) {
        const double again = tarvo::ConvertToDecimal(rewritten);
        if (tarvo::NumberText(again) != rewritten) {
            std::abort();
        }
    }
    return 0;
}
