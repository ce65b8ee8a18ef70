#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace tarvo {

// The width of a location name and the size of a record in a location file.
inline constexpr std::size_t kLocNameWidth = 50;
inline constexpr std::size_t kLocationRecordSize = 66;

// One named truck location: a record of a location file.
struct LocationRecord {
    std::string LocName = std::string(kLocNameWidth, ' ');  // 50 characters on disk
    double LocLat = 0;                                      // degrees north
    double LocLong = 0;                                     // degrees west
};

// The 66 bytes of a record: the name padded or cut to 50 bytes, then latitude and
// longitude as little-endian IEEE 754 doubles.
std::array<unsigned char, kLocationRecordSize> EncodeLocationRecord(const LocationRecord& record);

// A record from its bytes. Bytes missing at the end (a record cut short by the end
// of the file) read as spaces in the name and zeros in the coordinates; a coordinate
// that is not a finite number (a damaged record) reads as 0.
LocationRecord DecodeLocationRecord(std::span<const unsigned char> bytes);

// A deleted record: the name byte 0xFF followed by 49 spaces, both coordinates 0.
LocationRecord DeletedLocationRecord();

// True when the name, without leading and trailing spaces, is the single byte 0xFF.
bool IsDeletedLocation(const LocationRecord& record);

}  // namespace tarvo
