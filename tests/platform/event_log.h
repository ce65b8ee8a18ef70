#pragma once

#include <string>
#include <vector>

#include "platform/handler.h"

namespace tarvo::test {

// Records the events that controls raise, in order, e.g. {"txtA change", "cbo click"}.
class EventLog {
  public:
    Handler record(std::string what) {
        return [this, what] { events.push_back(what); };
    }
    std::vector<std::string> events;
};

}  // namespace tarvo::test
