#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvo {

// The width of a satellite name: shorter names are padded with spaces, longer cut.
inline constexpr std::size_t kSatNameWidth = 25;

// One satellite: a row of the satellite table.
struct SatelliteRecord {
    std::string SatName;       // 25 characters once in a SatelliteTable
    double SatLong = 0;        // orbital position, degrees west
    std::int16_t SatLook = 0;  // 1: on the look list
};

}  // namespace tarvo
