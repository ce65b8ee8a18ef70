#pragma once

#include <string>

#include "satellite_fixture.h"

namespace tarvo::testing {

// One record as the satellite file holds it: three lines ended by CR LF, the name
// padded to 25 characters between double quotes.
inline std::string Record(const std::string& name, const std::string& satLong,
                          const std::string& look) {
    return "\"" + Stored(name) + "\"\r\n" + satLong + "\r\n" + look + "\r\n";
}

// The message boxes' line break and the end of every confirmation question.
inline const std::string kLineBreak = "\x0A\x0D";
inline const std::string kConfirm = kLineBreak + "Do you really want to do that?";

}  // namespace tarvo::testing
