// gpsd's bytes cut into lines as they arrive, and the longest line kept.

#include "gps/report_lines.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using Lines = std::vector<std::string>;

TEST(ReportLines, LinesEndAtLineFeedsWhateverThePieces) {
    ReportLines reader;
    Lines lines;
    EXPECT_TRUE(reader.Append("{\"a\"", lines));
    EXPECT_EQ(lines, Lines{});
    EXPECT_TRUE(reader.Append(":1}\r\n\n{\"b\":2}\n{\"c", lines));
    EXPECT_EQ(lines, (Lines{"{\"a\":1}\r", "", "{\"b\":2}"}));
    EXPECT_TRUE(reader.Append("\":3}\n", lines));
    EXPECT_EQ(lines.back(), "{\"c\":3}");
    EXPECT_FALSE(reader.TooLong());
}

TEST(ReportLines, ALineLongerThanTheLimitStopsTheReading) {
    const std::size_t limit = 64 * 1024;
    {
        ReportLines reader;
        Lines lines;
        EXPECT_TRUE(reader.Append(std::string(limit, 'x') + "\n", lines));
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].size(), limit);  // the longest line kept
    }
    {
        // One byte more, in pieces: the line is dropped and nothing after it is read.
        ReportLines reader;
        Lines lines;
        EXPECT_TRUE(reader.Append("ok\n" + std::string(limit / 2, 'x'), lines));
        EXPECT_FALSE(reader.Append(std::string(limit / 2 + 1, 'x') + "\nmore\n", lines));
        EXPECT_TRUE(reader.TooLong());
        EXPECT_FALSE(reader.Append("later\n", lines));
        EXPECT_EQ(lines, Lines{"ok"});
    }
}

}  // namespace
}  // namespace tarvo
