#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarvo::testing {

// Work done in a child process of the test, so that a fault set up for it (a file-size
// limit, another user, a kill) never reaches the test process itself.

// Forks a child that runs `work` and is killed with SIGKILL `delay` after it calls the
// `started` it is given (from then on it should be writing), or, with `sign`, `delay`
// after `sign` first holds once it has started. The child touches neither Qt nor the
// test framework. True when the kill landed: false when the child ended, or failed,
// before it.
using KillableWork = std::function<void(const std::function<void()>& started)>;
bool KillDuring(const KillableWork& work, std::chrono::microseconds delay,
                const std::function<bool()>& sign = nullptr);

// Runs the tests of this test program that `filter` selects (disabled ones included) in
// a fresh process with these extra environment variables, and returns its exit status
// (128 + the signal when one ended it). Its output goes where the test's own goes.
int RunTestProgram(const std::string& filter,
                   const std::vector<std::pair<std::string, std::string>>& environment);

// While it lives, the process opens files as the user "nobody" when it runs as root, so
// that permission bits stop it as they stop an ordinary user; the process becomes root
// again afterwards. For any other user it changes nothing.
class AsOrdinaryUser {
  public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    // The user and group files then belong to, to hand them files as their own.
    static uid_t User();
    static gid_t Group();

  private:
    bool switched_ = false;
    std::vector<gid_t> groups_;
};

}  // namespace tarvo::testing
