#include "catalogue/location_record.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "common/fixed_text.h"

namespace tarvo {

namespace {

constexpr std::size_t kLatOffset = kLocNameWidth;
constexpr std::size_t kLongOffset = kLatOffset + 8;

void PutDouble(unsigned char* out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        out[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

// A coordinate from its 8 bytes. The program never writes an infinity or a NaN; one
// found in a damaged record reads as 0, so that no window shows "NaN" or "Infinity"
// and no calculation starts from it.
double GetCoordinate(const unsigned char* in) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    }
    const double value = std::bit_cast<double>(bits);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

std::array<unsigned char, kLocationRecordSize> EncodeLocationRecord(const LocationRecord& record) {
    std::array<unsigned char, kLocationRecordSize> bytes{};
    const std::string name = FixedWidth(record.LocName, kLocNameWidth);
    std::copy(name.begin(), name.end(), bytes.begin());
    PutDouble(bytes.data() + kLatOffset, record.LocLat);
    PutDouble(bytes.data() + kLongOffset, record.LocLong);
    return bytes;
}

LocationRecord DecodeLocationRecord(std::span<const unsigned char> bytes) {
    std::array<unsigned char, kLocationRecordSize> full{};
    std::fill(full.begin(), full.begin() + kLatOffset, static_cast<unsigned char>(' '));
    std::copy_n(bytes.begin(), std::min(bytes.size(), kLocationRecordSize), full.begin());
    LocationRecord record;
    record.LocName.assign(reinterpret_cast<const char*>(full.data()), kLocNameWidth);
    record.LocLat = GetCoordinate(full.data() + kLatOffset);
    record.LocLong = GetCoordinate(full.data() + kLongOffset);
    return record;
}

LocationRecord DeletedLocationRecord() {
    LocationRecord record;
    record.LocName = FixedWidth(kDeletedLocationMark, kLocNameWidth);
    return record;
}

bool IsDeletionMarkName(std::string_view name) {
    return TrimSpacesView(name) == kDeletedLocationMark;
}

bool IsDeletedLocation(const LocationRecord& record) {
    return IsDeletionMarkName(record.LocName);
}

}  // namespace tarvo
