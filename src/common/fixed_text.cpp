#include "common/fixed_text.h"

namespace tarvo {

std::string FixedWidth(std::string_view text, std::size_t width) {
    std::string fixed(text.substr(0, width));
    fixed.resize(width, ' ');
    return fixed;
}

std::string TrimSpaces(std::string_view text) {
    return std::string(TrimSpacesView(text));
}

std::string_view TrimSpacesView(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

unsigned char UpperByte(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
        case 0x9A:  // s caron
        case 0x9C:  // oe
        case 0x9E:  // z caron
            return static_cast<unsigned char>(c - 0x10);
        case 0xFF:  // y diaeresis
            return 0x9F;
        default:
            return c;
    }
}

}  // namespace

bool EqualInCapitals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperByte(static_cast<unsigned char>(a[i])) !=
            UpperByte(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
    }
    return upper;
}

}  // namespace tarvo
