#include "aidwindows/height_text.h"

#include <cmath>

namespace tarvo {

std::string HeightText(double metresAboveSeaLevel) {
    const long metres = std::lround(metresAboveSeaLevel);
    const char* side = metres < 0 ? " m below sea level (GPS)" : " m above sea level (GPS)";
    return std::to_string(std::labs(metres)) + side;
}

}  // namespace tarvo
