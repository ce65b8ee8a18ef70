#include "common/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

TEST(Codepage, KnownPoints) {
    EXPECT_EQ(Cp1252ToUnicode(0x41), U'A');
    EXPECT_EQ(Cp1252ToUnicode(0x80), char32_t{0x20AC});  // euro sign
    EXPECT_EQ(Cp1252ToUnicode(0x8A), char32_t{0x0160});  // S caron
    EXPECT_EQ(Cp1252ToUnicode(0x9F), char32_t{0x0178});  // Y diaeresis
    EXPECT_EQ(Cp1252ToUnicode(0xA0), char32_t{0x00A0});
    EXPECT_EQ(Cp1252ToUnicode(0xE9), char32_t{0x00E9});
    EXPECT_EQ(Cp1252ToUnicode(0xFF), char32_t{0x00FF});
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Cp1252ToUnicode(undefined), char32_t{undefined});
    }
    EXPECT_EQ(UnicodeToCp1252(0x20AC), 0x80);
    EXPECT_EQ(UnicodeToCp1252(0x2122), 0x99);  // trade mark sign
    EXPECT_EQ(UnicodeToCp1252(0x0080), -1);    // C1 control with a character at 0x80
    EXPECT_EQ(UnicodeToCp1252(0x0100), -1);
    EXPECT_EQ(UnicodeToCp1252(0x1F600), -1);
}

TEST(Codepage, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(b))), b);
    }
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_GT(utf8.size(), all.size());
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Codepage, Utf8Forms) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\xC3\xA9");
    EXPECT_EQ(Cp1252ToUtf8("abc"), "abc");
    EXPECT_EQ(Utf8ToCp1252("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // no such character: one '?'
    EXPECT_EQ(Utf8ToCp1252("\xC4\x80"), "?");          // U+0100
    // Malformed bytes count one by one.
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");               // cut short
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");            // overlong '/'
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");       // a surrogate
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82x"), "??x");          // broken sequence
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
}

TEST(Codepage, Utf8FitsCp1252) {
    struct Case {
        const char* utf8;
        bool fits;
    };
    const Case cases[] = {
        {"", true},
        {"/home/crew/sites.loc", true},
        {"/home/crew/\xC3\x96resund/Malm\xC3\xB6.loc", true},  // O and o with diaeresis
        {"/srv/\xE2\x82\xAC.loc", true},                       // euro sign: byte 0x80
        {"/home/\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0/a.loc", false},  // Cyrillic
        {"/home/\xE6\x9D\xB1\xE4\xBA\xAC/a.loc", false},                          // CJK
        {"/tmp/\xC4\x80.loc", false},          // U+0100, just past Latin-1
        {"/tmp/\xF0\x9F\x98\x80.loc", false},  // outside the basic plane
        {"/tmp/a\xC3", false},                 // cut short
        {"/tmp/\xC0\xAF", false},              // overlong '/'
        {"/tmp/\xFF.loc", false},              // a raw byte that is no UTF-8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8FitsCp1252(c.utf8), c.fits) << c.utf8;
    }
}

}  // namespace
}  // namespace tarvo
