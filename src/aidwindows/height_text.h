#pragma once

#include <string>

namespace tarvo {

// A GPS height in whole metres as the crew reads it: "1609 m above sea level (GPS)",
// "28 m below sea level (GPS)" for a place below it.
std::string HeightText(double metresAboveSeaLevel);

}  // namespace tarvo
