#include "platform/handler.h"

#include <exception>
#include <iostream>

namespace tarvo {

namespace {

void WriteToStandardError(const std::string& what) {
    std::cerr << "sng-tarvo: " << what << std::endl;
}

EventBoundary::Reporter& CurrentReporter() {
    static EventBoundary::Reporter reporter = WriteToStandardError;
    return reporter;
}

void Report(const std::string& what) {
    // A copy, so that a reporter that replaces itself does not pull the rug out.
    const EventBoundary::Reporter reporter = CurrentReporter();
    try {
        reporter(what);
    } catch (...) {
        // The reporter failed too: fall back to the one place that cannot fail.
        WriteToStandardError(what);
    }
}

}  // namespace

void EventBoundary::Run(const Handler& handler) {
    if (!handler) {
        return;
    }
    try {
        handler();
    } catch (const std::exception& failure) {
        Report(failure.what());
    } catch (...) {
        Report("Unexpected failure");
    }
}

void EventBoundary::SetReporter(Reporter reporter) {
    CurrentReporter() = reporter ? std::move(reporter) : Reporter(WriteToStandardError);
}

}  // namespace tarvo
