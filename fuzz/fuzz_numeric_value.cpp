// Reads arbitrary bytes as a typed number and checks that the reader and the writer
// of numbers agree with each other.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/failure.h"
#include "common/number_text.h"
#include "common/numeric_value.h"

namespace {

// Significant digits of the shortest text that reads back as exactly this double.
int ShortestDigits(double value) {
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    int digits = 0;
    for (const char* p = buffer; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            ++digits;
        }
    }
    return digits;
}

void CheckText(double value) {
    const std::string text = tarvo::NumberText(value);
    if (text.empty()) {
        std::abort();
    }
    if (value == 0 || std::fabs(value) < 0x1p-1022 || std::fabs(value) > 1e308) {
        return;  // subnormal precision, or a text that rounds beyond the double range
    }
    const double back = tarvo::NumericValue(text);
    // A double that some text of 15 digits or fewer stands for is written as that
    // text and read back exactly.
    if (ShortestDigits(value) <= 15 && back != value) {
        std::abort();
    }
    // Any other double: its 15-digit text is a fixed point of writing and reading.
    if (tarvo::NumberText(back) != text) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value;
    try {
        value = tarvo::NumericValue(text);
    } catch (const tarvo::RunTimeFailure&) {
        return 0;
    }
    if (!std::isfinite(value)) {
        std::abort();
    }
    CheckText(value);
    return 0;
}
