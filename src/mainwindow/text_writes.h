#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Many program writes into one text box (or the edit field of a list), kept so that
// the box can be left as they would have left it, with at most two writes.
//
// A write that leaves the text as it is does nothing at all; a write that changes it
// sets the box anew from the text alone (cursor, and the entry a list follows). So a
// series leaves the box untouched when no write differed from the text shown before,
// and otherwise as the first differing text followed by the last text leave it.
class TextWrites {
  public:
    // `shown`: the text of the box before the series; nothing when the box holds a
    // character that program text cannot hold, so that every write changes it.
    explicit TextWrites(std::optional<std::string> shown) : shown_(std::move(shown)) {}

    void Write(std::string_view text);

    // The writes that leave the box as the series did, in order.
    std::vector<std::string_view> Replay() const;

  private:
    std::optional<std::string> shown_;
    std::optional<std::string> firstChange_;
    std::string last_;
};

}  // namespace tarvo
