// A start that ends by a signal, a fatal Qt message or an uncaught exception says on
// standard error which step it had reached, and still ends as it would have ended.

#include "platform/fatal_report.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

struct ChildEnd {
    std::string err;  // what the child wrote on standard error
    int status = 0;   // its wait status
    bool finished = false;
};

// Runs `work` in a child whose standard error is read back; a child that has not ended
// within five seconds is killed, so that no case can hang the test.
ChildEnd RunChild(const std::function<void()>& work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore = {0, 0};  // no core files left by the test
        setrlimit(RLIMIT_CORE, &noCore);
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        work();
        _exit(0);
    }
    close(pipeEnds[1]);
    ChildEnd end;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    bool open = true;
    while (std::chrono::steady_clock::now() < deadline) {
        if (open) {
            pollfd readable = {pipeEnds[0], POLLIN, 0};
            if (poll(&readable, 1, 50) > 0) {
                char chunk[512];
                const ssize_t got = read(pipeEnds[0], chunk, sizeof(chunk));
                if (got > 0) {
                    end.err.append(chunk, static_cast<std::size_t>(got));
                } else {
                    open = false;
                }
            }
        } else {
            usleep(10000);
        }
        if (!open && waitpid(child, &end.status, WNOHANG) == child) {
            end.finished = true;
            break;
        }
    }
    if (!end.finished) {
        kill(child, SIGKILL);
        waitpid(child, &end.status, 0);
    }
    close(pipeEnds[0]);
    return end;
}

bool EndedBy(const ChildEnd& end, int signal) {
    return end.finished && WIFSIGNALED(end.status) && WTERMSIG(end.status) == signal;
}

TEST(FatalReport, ASignalNamesItselfAndTheStepAndStillEndsTheProgram) {
    struct Case {
        int signal;
        const char* line;
    };
    const Case cases[] = {
        {SIGABRT, "sng-tarvo: connecting to the display: ended by signal SIGABRT (aborted)\n"},
        {SIGSEGV,
         "sng-tarvo: connecting to the display: ended by signal SIGSEGV (invalid memory "
         "access)\n"},
        {SIGBUS, "sng-tarvo: connecting to the display: ended by signal SIGBUS (bus error)\n"},
        {SIGFPE,
         "sng-tarvo: connecting to the display: ended by signal SIGFPE (arithmetic fault)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.signal);
        const ChildEnd end = RunChild([&c] {
            tarvo::InstallFatalReporting();
            tarvo::SetStartStep("connecting to the display");
            std::raise(c.signal);
        });
        EXPECT_EQ(end.err, c.line);
        EXPECT_TRUE(EndedBy(end, c.signal)) << "status " << end.status;
    }
}

TEST(FatalReport, AbortNamesTheLatestStep) {
    const ChildEnd end = RunChild([] {
        tarvo::InstallFatalReporting();
        tarvo::SetStartStep("loading fonts");
        tarvo::SetStartStep("reading tarvo.ini");
        std::abort();
    });
    EXPECT_EQ(end.err, "sng-tarvo: reading tarvo.ini: ended by signal SIGABRT (aborted)\n");
    EXPECT_TRUE(EndedBy(end, SIGABRT));
}

TEST(FatalReport, AFatalQtMessageKeepsQtsTextAndNamesTheStepAndTheWarningBeforeIt) {
    const ChildEnd end = RunChild([] {
        qputenv("QT_FORCE_STDERR_LOGGING", QByteArray("1"));
        tarvo::InstallFatalReporting();
        tarvo::SetStartStep("connecting to the display");
        qWarning("could not connect to display :77");
        qFatal("no platform plugin could be initialized");
    });
    // Qt's own lines first, then the program's, then the signal that Qt ends it with.
    EXPECT_NE(end.err.find("could not connect to display :77\n"), std::string::npos) << end.err;
    EXPECT_NE(end.err.find("no platform plugin could be initialized\n"), std::string::npos);
    EXPECT_NE(end.err.find("sng-tarvo: connecting to the display: fatal error from Qt: no "
                           "platform plugin could be initialized (last warning: could not "
                           "connect to display :77)\n"),
              std::string::npos)
        << end.err;
    EXPECT_NE(end.err.find("sng-tarvo: connecting to the display: ended by signal SIGABRT"),
              std::string::npos);
    EXPECT_TRUE(EndedBy(end, SIGABRT));
}

TEST(FatalReport, AnUncaughtExceptionIsToldWithWhatItSays) {
    const ChildEnd end = RunChild([] {
        tarvo::InstallFatalReporting();
        tarvo::SetStartStep("making the main window");
        // Thrown where nothing catches it (the test framework would, on this thread).
        std::thread([] { throw std::runtime_error("no room for the window"); }).join();
    });
    EXPECT_EQ(end.err.rfind("sng-tarvo: making the main window: uncaught exception: no room for "
                            "the window\n",
                            0),
              0u)
        << end.err;
    EXPECT_TRUE(EndedBy(end, SIGABRT));
}

TEST(FatalReport, AReportIsOneLineEvenForAMessageOfSeveral) {
    const ChildEnd end =
        RunChild([] { tarvo::ReportFatal("reading tarvo.ini", "line one\nline two"); });
    EXPECT_EQ(end.err, "sng-tarvo: reading tarvo.ini: line one line two\n");
    EXPECT_TRUE(end.finished && WIFEXITED(end.status) && WEXITSTATUS(end.status) == 0);
}

}  // namespace
