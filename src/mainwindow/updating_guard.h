#pragma once

#include <cstdint>

namespace tarvo {

// The program's own writes into controls: Updating is -1 while the guard lives and 0
// after it, also when a write throws. Writes that deliberately leave Updating at -1
// (the start-up sequence, the location list's change handler) set it by hand.
class UpdatingGuard {
  public:
    explicit UpdatingGuard(std::int16_t& updating) : updating_(updating) { updating_ = -1; }
    ~UpdatingGuard() { updating_ = 0; }
    UpdatingGuard(const UpdatingGuard&) = delete;
    UpdatingGuard& operator=(const UpdatingGuard&) = delete;

  private:
    std::int16_t& updating_;
};

}  // namespace tarvo
