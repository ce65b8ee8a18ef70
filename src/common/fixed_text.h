#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

// Program text is 8-bit Windows-1252 text held in std::string, one byte a character,
// as the data files store it. Qt's Unicode strings meet it only in the controls.

// A fixed-width text field: a longer text is cut to `width` characters, a shorter one
// padded on the right with spaces.
std::string FixedWidth(std::string_view text, std::size_t width);

// The text without leading and trailing space characters (spaces only: tabs stay).
std::string TrimSpaces(std::string_view text);

// The same, as a view into `text`: nothing is copied.
std::string_view TrimSpacesView(std::string_view text);

// True when the two texts are equal once both are in capitals (as UpperCase gives).
bool EqualInCapitals(std::string_view a, std::string_view b);

// The text in capitals, Windows-1252 letters included (a-z, the accented small
// letters, and the few small letters of the 0x80-0x9F block).
std::string UpperCase(std::string_view text);

}  // namespace tarvo
