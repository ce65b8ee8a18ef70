#pragma once

#include <map>
#include <string>
#include <string_view>

#include "pointing/horizon_mask.h"

namespace tarvo {

class SettingsExchange;

// The horizon mask of each named location, group [Horizon] of pointing.ini: keyed by
// the location's name as the location list shows it (without leading and trailing
// spaces), UTF-8. A location without an entry has the flat horizon.
struct HorizonSettings {
    std::map<std::string, HorizonMask> Masks;

    // The mask of the location `name` (trimmed here); the flat horizon, no points, for
    // a name without one, an empty name included.
    const HorizonMask& MaskFor(std::string_view name) const;

    // Keeps `mask` as the mask of `name` (trimmed); no points removes the entry.
    void SetMask(std::string_view name, HorizonMask mask);
};

// A location name as the masks are keyed: without spaces at its ends.
std::string HorizonKey(std::string_view name);

// The masks as a name-keyed list, each a list of points with an azimuth of 0 to 360 and
// an elevation of -5 to 90. On reading, a point with a value that does not read is left
// out and the others are kept; a mask left without points is the flat horizon.
void Exchange(SettingsExchange& io, HorizonSettings& horizon);

}  // namespace tarvo
