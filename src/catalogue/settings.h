#pragma once

#include <cstdint>
#include <string>

#include "catalogue/location_record.h"

namespace tarvo {

// The program's settings, in the order of the lines of tarvo.ini.
struct Settings {
    double ElOffset = 0;      // antenna elevation offset, degrees
    double AzOffset = 0;      // antenna azimuth offset, degrees
    std::string LocFileName;  // current location file
    std::string DefaultLocName = std::string(kLocNameWidth, ' ');  // always its full width
    double DefaultLocLong = 0;                                     // default location, degrees west
    double DefaultLocLat = 0;               // default location, degrees north
    std::string SatFileName = "tarvo.sat";  // current satellite file
    std::int16_t SortAlpha = 1;             // not 0: name list alphabetical
    std::string PrtFontName = "Arial";      // look-list printer font
    std::int16_t PrtFontSize = 14;          // points
    std::int16_t PrtLeftMargin = 1000;      // twips (1/1440 inch)
    std::int16_t PrtTopMargin = 400;        // twips
    std::int16_t PrtLineSpacing = 100;      // twips of extra space between lines
};

// The settings a rebuilt tarvo.ini holds.
Settings DefaultSettings();

// The last line of tarvo.ini; a file ending in anything else is damaged.
inline constexpr std::int16_t kSettingsEndMark = 9009;

}  // namespace tarvo
