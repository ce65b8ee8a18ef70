// tarvo-wmm-convert COF_FILE OUTPUT_FOLDER NAME
// Converts a world magnetic model's coefficient file into the two files GeographicLib's
// MagneticModel reads, NAME.wmm and NAME.wmm.cof, in OUTPUT_FOLDER. Run by the build;
// NAME is the name the program loads the model by, and must be the model's own
// ("wmm2025" for WMM-2025), so that a new coefficient file cannot pass unnoticed.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "pointing/wmm_coefficients.h"

namespace {

// A world magnetic model is made for the five years from its epoch.
constexpr double kValidYears = 5;

bool WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: tarvo-wmm-convert COF_FILE OUTPUT_FOLDER NAME\n";
        return 2;
    }
    const std::filesystem::path source = argv[1];
    const std::filesystem::path folder = argv[2];
    const std::string name = argv[3];
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << "tarvo-wmm-convert: cannot open " << source << "\n";
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
        const tarvo::WmmCoefficients model = tarvo::ReadWmmCoefficients(text);
        const tarvo::GeographicLibModelFiles files =
            tarvo::ToGeographicLibModel(model, kValidYears);
        if (tarvo::ModelFileName(model.name) != name) {
            std::cerr << "tarvo-wmm-convert: " << source.string() << " holds " << model.name
                      << ", not " << name << "\n";
            return 1;
        }
        std::filesystem::create_directories(folder);
        if (!WriteWhole(folder / (name + ".wmm"), files.metadata) ||
            !WriteWhole(folder / (name + ".wmm.cof"), files.coefficients)) {
            std::cerr << "tarvo-wmm-convert: cannot write into " << folder << "\n";
            return 1;
        }
    } catch (const std::exception& failure) {
        std::cerr << "tarvo-wmm-convert: " << source.string() << ": " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
