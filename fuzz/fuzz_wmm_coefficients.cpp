// Reads arbitrary bytes as a magnetic model's coefficient file; a file that reads must
// convert into GeographicLib's files of exactly the size its degree gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pointing/wmm_coefficients.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tarvo::WmmCoefficients model;
    try {
        model = tarvo::ReadWmmCoefficients(bytes);
    } catch (const tarvo::CoefficientFileError&) {
        return 0;
    }
    // Keep the conversion small: a degree of a thousand is a megabyte of doubles.
    if (model.degree > 60) {
        return 0;
    }
    const std::size_t n = static_cast<std::size_t>(model.degree);
    const std::size_t cosines = (n + 1) * (n + 2) / 2;
    const std::size_t sines = cosines - (n + 1);
    const auto files = tarvo::ToGeographicLibModel(model, 5);
    if (files.coefficients.size() != 8 + 2 * (8 + 8 * (cosines + sines)) ||
        files.metadata.rfind("WMMF-1\n", 0) != 0) {
        std::abort();
    }
    return 0;
}
