#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "data_files.h"
#include "platform/handler.h"

namespace tarvo::testing {

// The names in a folder, sorted: a failed rewrite must leave no stray file behind.
inline std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Collects what the event boundary would report: a handler that fails where it should
// not (reading a row that is not there, say) shows up here instead of on stderr.
class BoundaryFailures {
  public:
    BoundaryFailures() {
        EventBoundary::SetReporter([this](const std::string& what) { failures.push_back(what); });
    }
    ~BoundaryFailures() { EventBoundary::SetReporter(nullptr); }
    BoundaryFailures(const BoundaryFailures&) = delete;
    BoundaryFailures& operator=(const BoundaryFailures&) = delete;

    std::vector<std::string> failures;
};

}  // namespace tarvo::testing
