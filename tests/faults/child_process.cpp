#include "child_process.h"

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace tarvo::testing {

namespace {

int ExitStatus(int status) {
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int Reap(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return status;
}

const passwd* Nobody() {
    return ::getpwnam("nobody");
}

}  // namespace

bool KillDuring(const KillableWork& work, std::chrono::microseconds delay,
                const std::function<bool()>& sign) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        throw std::runtime_error("no pipe for the child");
    }
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("no child process");
    }
    if (child == 0) {
        ::close(pipe[0]);
        const auto started = [&] {
            [[maybe_unused]] const ssize_t told = ::write(pipe[1], "s", 1);
            ::close(pipe[1]);
        };
        try {
            work(started);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    ::close(pipe[1]);
    char byte = 0;
    const bool started = ::read(pipe[0], &byte, 1) == 1;
    ::close(pipe[0]);
    if (started) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (sign && !sign() && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
    }
    const int status = Reap(child);
    return started && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

int RunTestProgram(const std::string& filter,
                   const std::vector<std::pair<std::string, std::string>>& environment) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("no child process");
    }
    if (child == 0) {
        for (const auto& [name, value] : environment) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
        std::string filterOption = "--gtest_filter=" + filter;
        std::string disabledOption = "--gtest_also_run_disabled_tests";
        std::string program = "test_faults";
        char* argv[] = {program.data(), filterOption.data(), disabledOption.data(), nullptr};
        ::execv("/proc/self/exe", argv);
        ::_exit(127);
    }
    return ExitStatus(Reap(child));
}

AsOrdinaryUser::AsOrdinaryUser() {
    if (::geteuid() != 0) {
        return;
    }
    groups_.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
    ::getgroups(static_cast<int>(groups_.size()), groups_.data());
    if (::setgroups(0, nullptr) != 0 || ::setegid(Group()) != 0 || ::seteuid(User()) != 0) {
        throw std::runtime_error("cannot act as an ordinary user");
    }
    switched_ = true;
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (switched_) {
        // Back to root, in the reverse order: only root may change the group again.
        if (::seteuid(0) != 0 || ::setegid(0) != 0 ||
            ::setgroups(groups_.size(), groups_.data()) != 0) {
            std::abort();
        }
    }
}

uid_t AsOrdinaryUser::User() {
    if (::getuid() != 0) {
        return ::getuid();
    }
    const passwd* nobody = Nobody();
    return nobody ? nobody->pw_uid : 65534;
}

gid_t AsOrdinaryUser::Group() {
    if (::getuid() != 0) {
        return ::getgid();
    }
    const passwd* nobody = Nobody();
    return nobody ? nobody->pw_gid : 65534;
}

}  // namespace tarvo::testing
