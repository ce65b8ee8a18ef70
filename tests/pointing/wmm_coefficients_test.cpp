// The coefficient file reader and the files it makes for GeographicLib.

#include "pointing/wmm_coefficients.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace tarvo {
namespace {

// A model of degree 2, made up for the test, with CR LF line ends as NOAA writes them.
const char* const kDegreeTwo =
    "    2030.0            TEST-2030     01/02/2029\r\n"
    "  1  0  -100.5       0.0       1.5        0.0\r\n"
    "  1  1   -20.0      40.0       2.0       -3.0\r\n"
    "  2  0   -30.0       0.0      -4.0        0.0\r\n"
    "  2  1    50.0     -60.0       5.0       -6.0\r\n"
    "  2  2    70.0     -80.0       7.0       -8.0\r\n"
    "999999999999999999999999999999999999999999999999\r\n"
    "999999999999999999999999999999999999999999999999\r\n";

TEST(WmmCoefficients, ReadsTheHeaderAndEveryTerm) {
    const WmmCoefficients model = ReadWmmCoefficients(kDegreeTwo);
    EXPECT_EQ(model.epoch, 2030.0);
    EXPECT_EQ(model.name, "TEST-2030");
    EXPECT_EQ(model.releaseDate, "2029-01-02");
    EXPECT_EQ(model.degree, 2);
    EXPECT_EQ(model.g[WmmCoefficients::Index(1, 0)], -100.5);
    EXPECT_EQ(model.h[WmmCoefficients::Index(1, 1)], 40.0);
    EXPECT_EQ(model.gDot[WmmCoefficients::Index(2, 1)], 5.0);
    EXPECT_EQ(model.hDot[WmmCoefficients::Index(2, 2)], -8.0);
}

TEST(WmmCoefficients, RefusesADamagedFile) {
    const std::string good = kDegreeTwo;
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string damaged[] = {
        "",                                                                 // nothing
        good.substr(0, good.find("9999")),                                  // no end line
        replaced("TEST-2030     01/02/2029", "TEST-2030"),                  // short header
        replaced("01/02/2029", "2029-01-02"),                               // date form
        replaced("  2  1    50.0", "  2  2    50.0"),                       // (2, 2) twice
        replaced("  2  1    50.0     -60.0       5.0       -6.0\r\n", ""),  // (2, 1) missing
        replaced("  2  0   -30.0       0.0", "  2  0   -30.0       1.0"),   // sine at m = 0
        replaced("-20.0", "-2O.0"),                                         // a letter O
        replaced("  1  1 ", "  1  3 "),                                     // order > degree
        replaced("  1  0  -100.5       0.0       1.5        0.0", "  1  0  -100.5  0.0"),
    };
    for (const std::string& text : damaged) {
        EXPECT_THROW(ReadWmmCoefficients(text), CoefficientFileError) << text;
    }
}

// The message names the fault the crew has to mend, even when a line names a degree far
// above what the file holds. Line numbers count the header as line 1.
TEST(WmmCoefficients, NamesTheFirstFault) {
    const std::string good = kDegreeTwo;
    const std::string terms = good.substr(0, good.find("9999"));
    const std::string end = good.substr(good.find("9999"));
    const std::string highDegree = "1000  0  1.0  0.0  0.0  0.0\r\n";
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        // Degree 2 complete, then (1000, 0): the first gap in n, m order is (3, 0).
        {terms + highDegree + end, "degree 3 order 0 missing"},
        // The same line twice: the second, line 8, is the fault, before any gap.
        {terms + highDegree + highDegree + end, "line 8: degree and order given twice"},
        // A bad number after the high degree is still reported on its own line.
        {terms + highDegree + "  3  0  x  0  0  0\r\n" + end, "line 8: not a number: x"},
    };
    for (const auto& c : cases) {
        try {
            ReadWmmCoefficients(c.text);
            ADD_FAILURE() << "read: " << c.message;
        } catch (const CoefficientFileError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
    // A complete file gives arrays of exactly its (n, m) pairs: 1 + 2 + 3 for degree 2.
    EXPECT_EQ(ReadWmmCoefficients(good).g.size(), 6u);
}

TEST(WmmCoefficients, ReadsTheShippedModel) {
    std::ifstream in(TARVO_COEFFICIENT_FILE, std::ios::binary);
    ASSERT_TRUE(in);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const WmmCoefficients model = ReadWmmCoefficients(text);
    EXPECT_EQ(model.name, "WMM-2025");
    EXPECT_EQ(model.epoch, 2025.0);
    EXPECT_EQ(model.degree, 12);
    EXPECT_EQ(ModelFileName(model.name), TARVO_MAGNETIC_MODEL);
}

double DoubleAt(const std::string& bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = bits << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    return std::bit_cast<double>(bits);
}

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) {
        bits = bits << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    return static_cast<std::int32_t>(bits);
}

// GeographicLib's layout, worked out for degree 2: N and M, then the cosine terms by
// order, m = 0: n = 0, 1, 2; m = 1: n = 1, 2; m = 2: n = 2 (6 doubles, the n = 0 term 0),
// then the sine terms m = 1: n = 1, 2; m = 2: n = 2 (3 doubles); then the same for the
// yearly changes. 8 + 2 x (8 + 9 x 8) = 168 bytes.
TEST(WmmCoefficients, WritesGeographicLibsLayout) {
    const GeographicLibModelFiles files = ToGeographicLibModel(ReadWmmCoefficients(kDegreeTwo), 5);
    const std::string& bytes = files.coefficients;
    ASSERT_EQ(bytes.size(), 168u);
    EXPECT_EQ(bytes.substr(0, 8), "TEST2030");

    const double mainField[] = {0, -100.5, -30, -20, 50, 70, 40, -60, -80};
    const double yearly[] = {0, 1.5, -4, 2, 5, 7, -3, -6, -8};
    EXPECT_EQ(Int32At(bytes, 8), 2);
    EXPECT_EQ(Int32At(bytes, 12), 2);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(DoubleAt(bytes, 16 + 8 * i), mainField[i]) << i;
    }
    EXPECT_EQ(Int32At(bytes, 88), 2);
    EXPECT_EQ(Int32At(bytes, 92), 2);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(DoubleAt(bytes, 96 + 8 * i), yearly[i]) << i;
    }

    // The metadata ties the two files together and names the model's five years.
    const std::string& meta = files.metadata;
    EXPECT_EQ(meta.substr(0, 7), "WMMF-1\n");
    for (const char* line : {"\nName TEST2030\n", "\nID TEST2030\n", "\nEpoch 2030\n",
                             "\nMinTime 2030\n", "\nMaxTime 2035\n", "\nRadius 6371200\n",
                             "\nNormalization Schmidt\n", "\nReleaseDate 2029-01-02\n"}) {
        EXPECT_NE(meta.find(line), std::string::npos) << line;
    }
}

TEST(WmmCoefficients, ModelFileNames) {
    EXPECT_EQ(ModelFileName("WMM-2025"), "wmm2025");
    EXPECT_EQ(ModelFileName("WMMHR-2025"), "wmmhr2025");
    EXPECT_EQ(ModelFileName("test_2030"), "test2030");
}

}  // namespace
}  // namespace tarvo
