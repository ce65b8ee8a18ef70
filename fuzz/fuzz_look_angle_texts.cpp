// The calculation on any three typed texts and any two offsets: it never throws, the
// texts it hands back agree with how far it got, and calculating again from the boxes
// as rewritten gives the same figures (a second press of "Calculate" changes nothing).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/failure.h"
#include "common/numeric_value.h"
#include "geometry/look_angle_texts.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool ReadsAboveZero(const std::string& text) {
    try {
        return tarvo::NumericValue(text) > 0;
    } catch (const tarvo::RunTimeFailure&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const double azOffset = in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : 0;
    const double elOffset = in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : 0;
    const std::string sat = in.ConsumeRandomLengthString(40);
    const std::string lon = in.ConsumeRandomLengthString(40);
    const std::string lat = in.ConsumeRemainingBytesAsString();

    const tarvo::LookAngleTexts out =
        tarvo::CalculateLookAngleTexts(sat, lon, lat, azOffset, elOffset);
    Check(out.azimuthAdjusted == (azOffset != 0));
    Check(out.elevationAdjusted == (elOffset != 0));
    Check(out.longitude.empty() != out.LongitudeConverted());
    Check(out.latitude.empty() != out.LatitudeConverted());
    Check(out.azimuth.empty() != out.Complete());
    Check(out.elevation.empty() != out.Complete());
    Check(out.range.empty() != out.Complete());
    if (out.stage != tarvo::CalculationStage::Rejected) {
        Check(ReadsAboveZero(sat) && ReadsAboveZero(lon) && ReadsAboveZero(lat));
    }

    if (out.Complete() && ReadsAboveZero(out.longitude) && ReadsAboveZero(out.latitude)) {
        const tarvo::LookAngleTexts again =
            tarvo::CalculateLookAngleTexts(sat, out.longitude, out.latitude, azOffset, elOffset);
        Check(again.Complete());
        Check(again.longitude == out.longitude && again.latitude == out.latitude);
        Check(again.azimuth == out.azimuth && again.elevation == out.elevation &&
              again.range == out.range);
    }
    return 0;
}
