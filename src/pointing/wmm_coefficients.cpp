#include "pointing/wmm_coefficients.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sstream>

namespace tarvo {
namespace {

// The words of a line, split at spaces, tabs and carriage returns.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            ++i;
        }
        if (i > start) {
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

[[noreturn]] void Fail(int lineNumber, const std::string& what) {
    throw CoefficientFileError("line " + std::to_string(lineNumber) + ": " + what);
}

double Number(std::string_view word, int lineNumber) {
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
        Fail(lineNumber, "not a number: " + std::string(word));
    }
    return value;
}

int Whole(std::string_view word, int lineNumber) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        Fail(lineNumber, "not a whole number: " + std::string(word));
    }
    return value;
}

// "11/13/2024" -> "2024-11-13".
std::string IsoDate(std::string_view usDate, int lineNumber) {
    const std::size_t first = usDate.find('/');
    const std::size_t second = usDate.find('/', first == std::string_view::npos ? 0 : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) {
        Fail(lineNumber, "release date not month/day/year: " + std::string(usDate));
    }
    const int month = Whole(usDate.substr(0, first), lineNumber);
    const int day = Whole(usDate.substr(first + 1, second - first - 1), lineNumber);
    const int year = Whole(usDate.substr(second + 1), lineNumber);
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1000 || year > 9999) {
        Fail(lineNumber, "release date out of range: " + std::string(usDate));
    }
    char text[11];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

bool IsEndLine(const std::vector<std::string_view>& words) {
    return words.size() == 1 && words[0].size() >= 4 &&
           words[0].find_first_not_of('9') == std::string_view::npos;
}

// The largest degree a coefficient file can sensibly hold; WMM has 12, the
// high-resolution models 133.
constexpr int kMaxDegree = 1000;

// The figures as GeographicLib writes a number into its metadata: the shortest text that
// reads back as the same double.
std::string Shortest(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

void AppendInt32(std::string& bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
}

void AppendDouble(std::string& bytes, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8) {
        bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
}

// One set of coefficients as SphericalEngine::coeff::readcoeffs reads it: N and M as
// 4-byte integers, then the cosine terms for m = 0..M, n = m..N (the n = 0 term is 0:
// a magnetic model has no monopole), then the sine terms for m = 1..M, n = m..N.
void AppendSet(std::string& bytes, int degree, const std::vector<double>& cosine,
               const std::vector<double>& sine) {
    AppendInt32(bytes, degree);
    AppendInt32(bytes, degree);
    for (int m = 0; m <= degree; ++m) {
        for (int n = m; n <= degree; ++n) {
            AppendDouble(bytes, n == 0 ? 0.0 : cosine[WmmCoefficients::Index(n, m)]);
        }
    }
    for (int m = 1; m <= degree; ++m) {
        for (int n = m; n <= degree; ++n) {
            AppendDouble(bytes, sine[WmmCoefficients::Index(n, m)]);
        }
    }
}

}  // namespace

WmmCoefficients ReadWmmCoefficients(std::string_view text) {
    WmmCoefficients model;
    // Which (n, m) have been read, one bit each. The values wait in file order until the
    // file has proved complete: a single line naming a high degree must not make the
    // reader zero four arrays of half a million doubles for a file that then fails.
    std::vector<bool> seen;
    struct Line {
        std::size_t k;
        double g, h, gDot, hDot;
    };
    std::vector<Line> lines;
    int lineNumber = 0;
    bool header = true;
    bool ended = false;
    std::size_t start = 0;
    while (start < text.size() && !ended) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::vector<std::string_view> words = Words(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (words.empty()) {
            continue;
        }
        if (header) {
            if (words.size() != 3) {
                Fail(lineNumber, "the header is not epoch, model name and release date");
            }
            model.epoch = Number(words[0], lineNumber);
            if (model.epoch < 1900 || model.epoch > 2200) {
                Fail(lineNumber, "epoch out of range: " + std::string(words[0]));
            }
            model.name = std::string(words[1]);
            model.releaseDate = IsoDate(words[2], lineNumber);
            header = false;
            continue;
        }
        if (IsEndLine(words)) {
            ended = true;
            continue;
        }
        if (words.size() != 6) {
            Fail(lineNumber, "not n, m, g, h and their yearly changes");
        }
        const int n = Whole(words[0], lineNumber);
        const int m = Whole(words[1], lineNumber);
        if (n < 1 || n > kMaxDegree || m < 0 || m > n) {
            Fail(lineNumber, "degree and order out of range");
        }
        if (n > model.degree) {
            model.degree = n;
            seen.resize(WmmCoefficients::Index(n, n) + 1);
        }
        const std::size_t k = WmmCoefficients::Index(n, m);
        if (seen[k]) {
            Fail(lineNumber, "degree and order given twice");
        }
        seen[k] = true;
        Line& line = lines.emplace_back();
        line.k = k;
        line.g = Number(words[2], lineNumber);
        line.h = Number(words[3], lineNumber);
        line.gDot = Number(words[4], lineNumber);
        line.hDot = Number(words[5], lineNumber);
        if (m == 0 && (line.h != 0 || line.hDot != 0)) {
            Fail(lineNumber, "a sine term for order 0");
        }
    }
    if (header) {
        throw CoefficientFileError("no header line");
    }
    if (!ended) {
        throw CoefficientFileError("no line of nines at the end");
    }
    if (model.degree == 0) {
        throw CoefficientFileError("no coefficients");
    }
    for (int n = 1; n <= model.degree; ++n) {
        for (int m = 0; m <= n; ++m) {
            if (!seen[WmmCoefficients::Index(n, m)]) {
                throw CoefficientFileError("degree " + std::to_string(n) + " order " +
                                           std::to_string(m) + " missing");
            }
        }
    }
    const std::size_t size = seen.size();
    model.g.resize(size);
    model.h.resize(size);
    model.gDot.resize(size);
    model.hDot.resize(size);
    for (const Line& line : lines) {
        model.g[line.k] = line.g;
        model.h[line.k] = line.h;
        model.gDot[line.k] = line.gDot;
        model.hDot[line.k] = line.hDot;
    }
    return model;
}

std::string ModelFileName(std::string_view modelName) {
    std::string name;
    for (const char c : modelName) {
        if (c >= 'A' && c <= 'Z') {
            name += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            name += c;
        }
    }
    return name;
}

GeographicLibModelFiles ToGeographicLibModel(const WmmCoefficients& model, double validYears) {
    // The name shown to the crew ("WMM2025") and the eight characters that tie the
    // coefficient file to its metadata.
    std::string shownName = ModelFileName(model.name);
    for (char& c : shownName) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    std::string id = shownName.substr(0, 8);
    id.resize(8, 'A');

    std::ostringstream meta;
    meta << "WMMF-1\n"
         << "# " << model.name << " converted from its coefficient file for GeographicLib\n"
         << "Name " << shownName << "\n"
         << "Description World Magnetic Model " << model.name << "\n"
         << "ReleaseDate " << model.releaseDate << "\n"
         << "Radius 6371200\n"  // the model's reference radius, 6371.2 km
         << "NumModels 1\n"
         << "Epoch " << Shortest(model.epoch) << "\n"
         << "DeltaEpoch " << Shortest(validYears) << "\n"
         << "MinTime " << Shortest(model.epoch) << "\n"
         << "MaxTime " << Shortest(model.epoch + validYears) << "\n"
         << "MinHeight -1000\n"  // the heights the model is made for, in metres
         << "MaxHeight 850000\n"
         << "Normalization Schmidt\n"
         << "ByteOrder Little\n"
         << "ID " << id << "\n";

    GeographicLibModelFiles files;
    files.metadata = meta.str();
    files.coefficients = id;
    // The field at the epoch, then its change a year, which GeographicLib adds times
    // the years since the epoch.
    AppendSet(files.coefficients, model.degree, model.g, model.h);
    AppendSet(files.coefficients, model.degree, model.gDot, model.hDot);
    return files;
}

}  // namespace tarvo
