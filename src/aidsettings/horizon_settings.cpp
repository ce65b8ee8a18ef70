#include "aidsettings/horizon_settings.h"

#include <cmath>
#include <limits>
#include <utility>

#include "aidsettings/settings_exchange.h"

namespace tarvo {

namespace {

constexpr double kNotRead = std::numeric_limits<double>::quiet_NaN();

void Point(SettingsExchange& io, HorizonPoint& point) {
    if (io.Reading()) {
        point = {kNotRead, kNotRead};  // stays so when the file has no value that reads
    }
    io.Number("Azimuth", point.azimuth, 0, 360);
    io.Number("Elevation", point.elevation, -5, 90);
}

bool PointRead(const HorizonPoint& point) {
    return !std::isnan(point.azimuth) && !std::isnan(point.elevation);
}

void Mask(SettingsExchange& io, HorizonMask& mask) {
    io.List("Points", mask, Point, PointRead);
}

}  // namespace

std::string HorizonKey(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = name.find_last_not_of(' ');
    return std::string(name.substr(first, last - first + 1));
}

const HorizonMask& HorizonSettings::MaskFor(std::string_view name) const {
    static const HorizonMask flat;
    const auto found = Masks.find(HorizonKey(name));
    return found == Masks.end() ? flat : found->second;
}

void HorizonSettings::SetMask(std::string_view name, HorizonMask mask) {
    std::string key = HorizonKey(name);
    if (mask.empty()) {
        Masks.erase(key);
    } else if (!key.empty()) {
        Masks[std::move(key)] = std::move(mask);
    }
}

void Exchange(SettingsExchange& io, HorizonSettings& horizon) {
    io.Named("Masks", horizon.Masks, Mask);
    if (io.Reading()) {
        // Names typed by hand with spaces at their ends are the names the list shows;
        // an entry whose points all failed to read is the flat horizon.
        std::map<std::string, HorizonMask> keyed;
        for (auto& [name, mask] : horizon.Masks) {
            if (!mask.empty()) {
                keyed.emplace(HorizonKey(name), std::move(mask));
            }
        }
        horizon.Masks = std::move(keyed);
    }
}

}  // namespace tarvo
