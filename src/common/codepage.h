#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// Windows-1252, the 8-bit code page of the data files and of program text.
// The five byte values that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 control characters of the same number, so every byte round-trips.

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int UnicodeToCp1252(char32_t codePoint);

// Whole texts. Characters the code page lacks become '?'; malformed UTF-8 bytes
// are taken one by one as '?'.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

// True when `utf8` is well-formed UTF-8 and every character of it is in the code page,
// so that Utf8ToCp1252 loses nothing: a path from the system (a folder with Cyrillic or
// CJK letters) that fails this cannot be stored in the program's 8-bit files.
bool Utf8FitsCp1252(std::string_view utf8);

}  // namespace tarvo
