#pragma once

#include <stdexcept>

namespace tarvo {

// A run-time failure of the arithmetic or of reading a number: division by zero,
// the square root of a negative number, an overflow beyond the double range or
// beyond a 16-bit field. The arithmetic never hands back an infinity or a NaN;
// it throws this instead, and the operation that called decides what the user sees
// (Calculate, for one, empties its result boxes).
class RunTimeFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tarvo
