#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// A coefficient file that does not read, with the line at fault.
class CoefficientFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A world magnetic model as NOAA publishes its coefficients (WMM2025.COF): a header line
// with the epoch (decimal year), the model's name and its release date (month/day/year),
// then one line per degree n and order m with the Gauss coefficients g and h (nT) and
// their yearly changes (nT a year), ended by a line of nines.
struct WmmCoefficients {
    double epoch = 0;         // 2025.0
    std::string name;         // "WMM-2025"
    std::string releaseDate;  // "2024-11-13"
    int degree = 0;           // the highest n, 12

    // Indexed by Index(n, m) for 1 <= n <= degree, 0 <= m <= n.
    std::vector<double> g, h, gDot, hDot;

    static std::size_t Index(int n, int m) { return static_cast<std::size_t>(n * (n + 1) / 2 + m); }
};

// Reads a coefficient file's text. Every (n, m) up to the highest degree must be there
// once; h is 0 for m = 0. Throws CoefficientFileError.
WmmCoefficients ReadWmmCoefficients(std::string_view text);

// The two files from which GeographicLib's MagneticModel reads a model called `id`
// (lower case, "wmm2025"): the metadata text of `<id>.wmm` and the bytes of
// `<id>.wmm.cof` (the main field and its yearly change, little-endian doubles in
// GeographicLib's column-major order). The model is valid for `validYears` from its epoch.
struct GeographicLibModelFiles {
    std::string metadata;
    std::string coefficients;
};
GeographicLibModelFiles ToGeographicLibModel(const WmmCoefficients& model, double validYears);

// "WMM-2025" -> "wmm2025": the model's name without punctuation, in lower case, the name
// of its GeographicLib files.
std::string ModelFileName(std::string_view modelName);

}  // namespace tarvo
