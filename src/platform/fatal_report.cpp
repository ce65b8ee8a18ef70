#include "platform/fatal_report.h"

#include <unistd.h>
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace tarvo {

namespace {

std::atomic<const char*> g_step{"starting"};

// The last warning Qt gave, kept for a fatal message that follows it: Qt tells why the
// display could not be reached in a warning and then gives up in general words.
char g_lastWarning[256] = {};

QtMessageHandler g_previousQtHandler = nullptr;
std::terminate_handler g_previousTerminate = nullptr;

constexpr int kSignals[] = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE};

// A line put together without the heap.
class Line {
  public:
    void add(const char* text) {
        for (; text != nullptr && *text != '\0' && length_ < sizeof(text_) - 1; ++text) {
            // A message of several lines is told on one.
            text_[length_++] = (*text == '\n' || *text == '\r') ? ' ' : *text;
        }
    }
    void write() {
        text_[length_++] = '\n';
        const char* rest = text_;
        std::size_t left = length_;
        while (left > 0) {
            const ssize_t written = ::write(STDERR_FILENO, rest, left);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return;
            }
            rest += written;
            left -= static_cast<std::size_t>(written);
        }
    }

  private:
    char text_[1024] = {};
    std::size_t length_ = 0;
};

const char* SignalName(int signal) {
    switch (signal) {
        case SIGABRT:
            return "SIGABRT (aborted)";
        case SIGSEGV:
            return "SIGSEGV (invalid memory access)";
        case SIGBUS:
            return "SIGBUS (bus error)";
        case SIGFPE:
            return "SIGFPE (arithmetic fault)";
        default:
            return "a signal";
    }
}

void OnSignal(int signal) {
    const int savedErrno = errno;
    Line report;
    report.add("sng-tarvo: ");
    report.add(g_step.load());
    report.add(": ended by signal ");
    report.add(SignalName(signal));
    report.write();
    errno = savedErrno;
    // The handler was reset to the default action on entry (SA_RESETHAND) and the
    // signal is not blocked (SA_NODEFER): raising it again ends the program as it
    // would have ended without the handler, core dump included.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void OnTerminate() {
    Line report;
    report.add("sng-tarvo: ");
    report.add(g_step.load());
    report.add(": uncaught exception: ");
    if (std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& failure) {
            report.add(failure.what());
        } catch (...) {
            report.add("not a standard exception");
        }
    } else {
        report.add("std::terminate called without an exception");
    }
    report.write();
    if (g_previousTerminate != nullptr) {
        g_previousTerminate();  // the library's own words, then abort
    }
    std::abort();
}

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (g_previousQtHandler != nullptr) {
        g_previousQtHandler(type, context, message);
    }
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        const QByteArray text = message.toLocal8Bit();
        std::strncpy(g_lastWarning, text.constData(), sizeof(g_lastWarning) - 1);
    } else if (type == QtFatalMsg) {
        const QByteArray text = message.toLocal8Bit();
        Line report;
        report.add("sng-tarvo: ");
        report.add(g_step.load());
        report.add(": fatal error from Qt: ");
        report.add(text.constData());
        if (g_lastWarning[0] != '\0') {
            report.add(" (last warning: ");
            report.add(g_lastWarning);
            report.add(")");
        }
        report.write();
    }
}

}  // namespace

void SetStartStep(const char* step) {
    g_step.store(step);
}

const char* StartStep() {
    return g_step.load();
}

void ReportFatal(const char* what, const char* reason) {
    Line report;
    report.add("sng-tarvo: ");
    report.add(what);
    report.add(": ");
    report.add(reason);
    report.write();
}

void InstallFatalReporting() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;

    // A stack of its own, so that a stack overflow (SIGSEGV) is still told.
    static char alternateStack[64 * 1024];
    stack_t stack = {};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof(alternateStack);
    sigaltstack(&stack, nullptr);

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
    for (const int signal : kSignals) {
        sigaction(signal, &action, nullptr);
    }
    g_previousTerminate = std::set_terminate(OnTerminate);
    g_previousQtHandler = qInstallMessageHandler(OnQtMessage);
}

}  // namespace tarvo
