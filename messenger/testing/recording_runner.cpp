#include "messenger/recording_runner.hpp"

#include "messenger/command_lines.hpp"

#include <utility>

namespace messenger {

namespace {
StartResult started() {
    StartResult result;
    result.started = true;
    return result;
}
}  // namespace

StartResult RecordingRunner::run(const std::string& commandLine, WindowStyle style) {
    RecordedStart start;
    start.commandLine = commandLine;
    start.style = style;
    starts_.push_back(std::move(start));
    // As the real runner: a line the system would not take is refused.
    if (!fitsCommandLine(commandLine)) return tooLong();
    return failing_ ? failure_ : started();
}

WatchedRun RecordingRunner::runWatched(const std::string& commandLine, WindowStyle style,
                                       std::uint32_t timeoutMs) {
    RecordedStart start;
    start.commandLine = commandLine;
    start.style = style;
    start.watched = true;
    start.timeoutMs = timeoutMs;
    starts_.push_back(std::move(start));
    WatchedRun outcome;
    if (!fitsCommandLine(commandLine)) {
        outcome.start = tooLong();
    } else if (failing_) {
        outcome.start = failure_;
    } else if (!watchedOutcomes_.empty()) {
        outcome = std::move(watchedOutcomes_.front());
        watchedOutcomes_.pop_front();
        outcome.output = tidyWatchedOutput(std::move(outcome.output));
    } else {
        outcome = exited(0);
    }
    return outcome;
}

StartResult RecordingRunner::shellExecute(const ShellExecuteRequest& request) {
    RecordedStart start;
    start.viaShell = true;
    start.request = request;
    starts_.push_back(std::move(start));
    return failing_ ? failure_ : started();
}

void RecordingRunner::setFailure(bool fail, std::uint32_t errorNumber, std::string errorText) {
    failing_ = fail;
    failure_ = StartResult();
    failure_.errorNumber = errorNumber;
    failure_.errorText = std::move(errorText);
}

WatchedRun exited(std::uint32_t status, std::string output) {
    WatchedRun outcome = stillRunning(std::move(output));
    outcome.finished = true;
    outcome.exitStatus = status;
    return outcome;
}

WatchedRun stillRunning(std::string output) {
    WatchedRun outcome;
    outcome.start = started();
    outcome.output = std::move(output);
    return outcome;
}

}  // namespace messenger
