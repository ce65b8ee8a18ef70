#include "common/numeric_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <system_error>

#include "common/failure.h"

namespace tarvo {

namespace {

// Walks the text, stepping over the characters that never count (space, tab, line
// feed) wherever they stand.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    // The next character that counts, or -1 at the end.
    int Peek() {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\n')) {
            ++p_;
        }
        return p_ == end_ ? -1 : static_cast<unsigned char>(*p_);
    }
    void Advance() { ++p_; }

  private:
    const char* p_;
    const char* end_;
};

// What the reading found, for the strict conversion: whether the text held a complete
// number (at least one digit, and digits after an exponent letter).
struct Shape {
    bool complete = false;
};

[[noreturn]] void Overflow() {
    throw RunTimeFailure("Overflow");
}

int DigitValue(int c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

constexpr char kHexDigits[] = "0123456789abcdef";

// Hexadecimal (radix 16) or octal (radix 8) whole number after "&H" / "&O".
double ReadWholeNumber(Cursor& in, int radix, Shape& shape) {
    // A value with more significant digits than 256 hex or 342 octal ones is at least
    // 2^1024, beyond the double range; up to there the reader below judges.
    const std::size_t maxDigits = radix == 16 ? 256 : 342;
    std::array<unsigned char, 342> digits{};
    std::size_t count = 0;
    for (int c = in.Peek(); DigitValue(c) < radix; c = in.Peek()) {
        in.Advance();
        shape.complete = true;
        const int d = DigitValue(c);
        if (count == 0 && d == 0) {
            continue;
        }
        if (count == maxDigits) {
            Overflow();
        }
        digits[count++] = static_cast<unsigned char>(d);
    }
    if (count == 0) {
        return 0;
    }
    // Written out in hexadecimal for the correctly rounded reader.
    std::array<char, 260> hex{};
    std::size_t hexCount = 0;
    if (radix == 16) {
        for (std::size_t i = 0; i < count; ++i) {
            hex[hexCount++] = kHexDigits[digits[i]];
        }
    } else {
        const std::size_t bits = count * 3;
        const std::size_t lead = (4 - bits % 4) % 4;  // zero bits in front
        unsigned nibble = 0;
        std::size_t position = lead;
        for (std::size_t i = 0; i < count; ++i) {
            for (int b = 2; b >= 0; --b) {
                nibble = (nibble << 1) | ((digits[i] >> b) & 1u);
                if (++position % 4 == 0) {
                    hex[hexCount++] = kHexDigits[nibble];
                    nibble = 0;
                }
            }
        }
    }
    double value = 0;
    const auto result =
        std::from_chars(hex.data(), hex.data() + hexCount, value, std::chars_format::hex);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        Overflow();
    }
    return value;
}

// More significant digits than a double can ever need for correct rounding; any
// further non-zero digit is kept as one extra "sticky" digit.
constexpr std::size_t kMaxDigits = 800;
// Exponent magnitudes are clamped here; far beyond any double's range either way.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

double ReadDecimal(Cursor& in, Shape& shape) {
    bool negative = false;
    int c = in.Peek();
    if (c == '+' || c == '-') {
        negative = c == '-';
        in.Advance();
    }
    std::array<char, kMaxDigits + 40> text;
    std::size_t count = 0;
    bool sticky = false;
    bool seenPoint = false;
    std::int64_t scale = 0;  // value = digits * 10^scale
    for (c = in.Peek();; c = in.Peek()) {
        if (c >= '0' && c <= '9') {
            shape.complete = true;
            if (count == 0 && c == '0') {
                if (seenPoint) {
                    --scale;
                }
            } else if (count < kMaxDigits) {
                text[count++] = static_cast<char>(c);
                if (seenPoint) {
                    --scale;
                }
            } else {
                sticky = sticky || c != '0';
                if (!seenPoint) {
                    ++scale;
                }
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        in.Advance();
    }
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        in.Advance();
        bool negativeExponent = false;
        c = in.Peek();
        if (c == '+' || c == '-') {
            negativeExponent = c == '-';
            in.Advance();
        }
        std::int64_t exponent = 0;
        bool exponentDigits = false;
        for (c = in.Peek(); c >= '0' && c <= '9'; c = in.Peek()) {
            in.Advance();
            exponentDigits = true;
            exponent = exponent * 10 + (c - '0');
            if (exponent > kExponentClamp) {
                exponent = kExponentClamp;
            }
        }
        scale += negativeExponent ? -exponent : exponent;
        shape.complete = shape.complete && exponentDigits;
    }
    if (count == 0) {
        return 0;
    }
    if (sticky) {
        text[count++] = '1';
        --scale;
    }
    // The value lies in [10^(scale + count - 1), 10^(scale + count)).
    const std::int64_t magnitude = scale + static_cast<std::int64_t>(count);
    if (magnitude > 310) {
        Overflow();
    }
    if (magnitude < -330) {
        return 0;
    }
    char* end = text.data() + count;
    *end++ = 'e';
    end = std::to_chars(end, text.data() + text.size(), scale).ptr;
    double value = 0;
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            Overflow();
        }
        return 0;
    }
    if (!std::isfinite(value)) {
        Overflow();
    }
    return negative ? -value : value;
}

// The number at the start of the text, read through the cursor.
double Read(Cursor& in, Shape& shape) {
    if (in.Peek() == '&') {
        in.Advance();
        const int c = in.Peek();
        if (c == 'H' || c == 'h') {
            in.Advance();
            return ReadWholeNumber(in, 16, shape);
        }
        if (c == 'O' || c == 'o') {
            in.Advance();
            return ReadWholeNumber(in, 8, shape);
        }
        return 0;
    }
    return ReadDecimal(in, shape);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

}  // namespace

double NumericValue(std::string_view text) {
    Cursor in(text);
    Shape shape;
    return Read(in, shape);
}

std::optional<double> StrictNumericValue(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    // A blank between two parts makes two items ("40 30 15" is degrees, minutes and
    // seconds), not one number.
    for (const char c : text) {
        if (IsBlank(c)) {
            return std::nullopt;
        }
    }
    Cursor in(text);
    Shape shape;
    double value = 0;
    try {
        value = Read(in, shape);
    } catch (const RunTimeFailure&) {
        return std::nullopt;
    }
    if (!shape.complete || in.Peek() != -1) {
        return std::nullopt;
    }
    return value;
}

}  // namespace tarvo
