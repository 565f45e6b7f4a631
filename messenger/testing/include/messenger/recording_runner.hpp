#pragma once
// A runner for tests: records every start and answers with a preset result.
#include <string>
#include <vector>

#include "messenger/process_runner.hpp"

namespace messenger {

struct RecordedStart {
    std::string commandLine;     // run(): the command line; shellExecute(): empty
    WindowStyle style = WindowStyle::Hidden;
    bool viaShell = false;       // true for shellExecute()
    ShellExecuteRequest request; // shellExecute(): the request as given
};

class RecordingRunner : public ProcessRunner {
public:
    StartResult run(const std::string& commandLine, WindowStyle style) override;
    StartResult shellExecute(const ShellExecuteRequest& request) override;

    // Makes every later start fail with this error (or succeed again with fail = false).
    void setFailure(bool fail, std::uint32_t errorNumber = 2,
                    std::string errorText = "The system cannot find the file specified.");

    const std::vector<RecordedStart>& starts() const { return starts_; }
    void clear() { starts_.clear(); }

private:
    std::vector<RecordedStart> starts_;
    StartResult failure_;
    bool failing_ = false;
};

}  // namespace messenger
