#include "common/fixed_text.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(FixedWidth, CutsAndPads) {
    EXPECT_EQ(FixedWidth("Galaxy", 8), "Galaxy  ");
    EXPECT_EQ(FixedWidth("Telstar 401", 7), "Telstar");
    EXPECT_EQ(FixedWidth("", 3), "   ");
    EXPECT_EQ(FixedWidth("abc", 3), "abc");
    EXPECT_EQ(FixedWidth("abc", 0), "");
    EXPECT_EQ(FixedWidth("abc", 25).size(), 25u);
}

TEST(TrimSpaces, RemovesSpacesOnlyAtBothEnds) {
    EXPECT_EQ(TrimSpaces("  40 30  "), "40 30");
    EXPECT_EQ(TrimSpaces("\t40 "), "\t40");
    EXPECT_EQ(TrimSpaces("40\t"), "40\t");
    EXPECT_EQ(TrimSpaces("    "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(TrimSpaces("x"), "x");
}

TEST(EqualInCapitals, LettersOfEitherCaseMatchOtherBytesExactly) {
    EXPECT_TRUE(EqualInCapitals("Galaxy 4r", "GALAXY 4R"));
    EXPECT_TRUE(EqualInCapitals("\xE9t\xE9", "\xC9T\xC9"));  // été, ÉTÉ
    EXPECT_TRUE(EqualInCapitals("\xFF", "\x9F"));            // ÿ, Ÿ
    EXPECT_TRUE(EqualInCapitals("", ""));
    EXPECT_FALSE(EqualInCapitals("abc", "abd"));
    EXPECT_FALSE(EqualInCapitals("abc", "abc "));
    EXPECT_FALSE(EqualInCapitals("\xF7", "\xD7"));  // ÷ and × are no letters
    EXPECT_EQ(TrimSpacesView("  Sat 1  "), "Sat 1");
}

TEST(UpperCase, AsciiAndWindows1252Letters) {
    EXPECT_EQ(UpperCase("Galaxy 4r!"), "GALAXY 4R!");
    EXPECT_EQ(UpperCase("\xE9t\xE9"), "\xC9T\xC9");                // été
    EXPECT_EQ(UpperCase("\xE0\xFE"), "\xC0\xDE");                  // à þ
    EXPECT_EQ(UpperCase("\xF7"), "\xF7");                          // ÷ is no letter
    EXPECT_EQ(UpperCase("\xDF"), "\xDF");                          // ß has no single capital
    EXPECT_EQ(UpperCase("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");  // š œ ž ÿ
    EXPECT_EQ(UpperCase("\x8A\xC9Z"), "\x8A\xC9Z");                // capitals stay
}

}  // namespace
}  // namespace tarvo
