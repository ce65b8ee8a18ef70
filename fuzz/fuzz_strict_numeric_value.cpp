// Reads arbitrary bytes with the strict conversion and checks it against the lenient
// reading: whatever the strict conversion accepts, NumericValue reads to the same
// value, and the text without its surrounding blanks is unchanged by it.
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "common/failure.h"
#include "common/numeric_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> strict = tarvo::StrictNumericValue(text);
    if (!strict) {
        return 0;
    }
    if (!std::isfinite(*strict)) {
        std::abort();
    }
    double lenient = 0;
    try {
        lenient = tarvo::NumericValue(text);
    } catch (const tarvo::RunTimeFailure&) {
        std::abort();  // the strict conversion accepted a value beyond the range
    }
    if (lenient != *strict) {
        std::abort();
    }
    // An accepted text holds a digit (hexadecimal ones count after &H) and no blank between two
    // characters that are not blanks.
    bool digit = false;
    const std::size_t first = text.find_first_not_of(" \t\n");
    const std::size_t last = text.find_last_not_of(" \t\n");
    for (std::size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            std::abort();
        }
        digit = digit || std::isxdigit(static_cast<unsigned char>(c)) != 0;
    }
    if (!digit) {
        std::abort();
    }
    return 0;
}
