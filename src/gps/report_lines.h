#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Cuts the bytes gpsd sends, as they arrive in pieces, into its lines. A line is never
// held longer than kLongestLine bytes: gpsd's longest reports are a few kilobytes, so a
// longer one is no gpsd report, and its bytes are not kept.
class ReportLines {
  public:
    static constexpr std::size_t kLongestLine = 64 * 1024;

    // `longestLine` other than kLongestLine is for tests, which reach a short limit
    // with a short input.
    explicit ReportLines(std::size_t longestLine = kLongestLine) : longestLine_(longestLine) {}

    // Adds the bytes that came and appends each line they complete, without its line
    // feed, to `lines`. False, from then on, once a line is longer than the limit;
    // nothing more is then kept or given.
    bool Append(std::string_view bytes, std::vector<std::string>& lines);

    bool TooLong() const { return tooLong_; }

  private:
    std::size_t longestLine_;
    std::string pending_;  // the line begun and not yet ended
    bool tooLong_ = false;
};

}  // namespace tarvo
