#pragma once
// A runner for tests: records every start and answers with a preset result.
#include <deque>
#include <utility>
#include <string>
#include <vector>

#include "messenger/process_runner.hpp"

namespace messenger {

struct RecordedStart {
    std::string commandLine;     // run(), runWatched(): the command line; shellExecute(): empty
    WindowStyle style = WindowStyle::Hidden;
    bool viaShell = false;       // true for shellExecute()
    bool watched = false;        // true for runWatched()
    std::uint32_t timeoutMs = 0; // runWatched(): the time it was given
    ShellExecuteRequest request; // shellExecute(): the request as given
};

class RecordingRunner : public ProcessRunner {
public:
    StartResult run(const std::string& commandLine, WindowStyle style) override;
    StartResult shellExecute(const ShellExecuteRequest& request) override;
    // Answers with the next queued outcome, its output tidied as the real
    // runner's is; with none queued, the command ends at once with status 0.
    // A line too long, or a failure set by setFailure, answers first and
    // takes no queued outcome.
    WatchedRun runWatched(const std::string& commandLine, WindowStyle style,
                          std::uint32_t timeoutMs) override;

    // Queues the outcome of a later watched run (see exited() and stillRunning()).
    void queueWatched(WatchedRun outcome) { watchedOutcomes_.push_back(std::move(outcome)); }

    // Makes every later start fail with this error (or succeed again with fail = false).
    void setFailure(bool fail, std::uint32_t errorNumber = 2,
                    std::string errorText = "The system cannot find the file specified.");

    const std::vector<RecordedStart>& starts() const { return starts_; }
    void clear() { starts_.clear(); }

private:
    std::vector<RecordedStart> starts_;
    std::deque<WatchedRun> watchedOutcomes_;
    StartResult failure_;
    bool failing_ = false;
};

// Outcomes to queue: a command that ended with `status` after writing
// `output`, and one still running when its time was up.
WatchedRun exited(std::uint32_t status, std::string output = "");
WatchedRun stillRunning(std::string output = "");

}  // namespace messenger
