#pragma once
// Asks the shell to "open" a target: a program with parameters, or a document
// or web address with the program registered for it. Returns at once; the
// started program is not waited for and its outcome is not read. The shell
// shows its own error dialog, owned by the given window, when it cannot.
#include <cstdint>
#include <string>
#include <vector>

#include "messenger/process_runner.hpp"

namespace messenger {

// The real window that owns anything the shell shows (its handle; 0: none).
using OwnerWindow = std::uintptr_t;

struct LaunchRequest {
    std::string file;
    std::string parameters;
    std::string directory;  // "" leaves the working directory to the shell
    OwnerWindow owner = 0;
};

class TargetLauncher {
public:
    virtual ~TargetLauncher() = default;
    // Verb "open", started hidden. started is false when the shell could not
    // start the target, with the system's error number and text.
    virtual StartResult launchTarget(const LaunchRequest& request) = 0;
};

// Whether a failed launch is the shell's "no program for this target": no
// association for a document or address, or a file that is not there (a
// missing program). A target that is there but is no valid program is not.
bool isNoAssociationFailure(const StartResult& result);

// A launcher for tests: records every request and answers with a preset result.
class RecordingLauncher : public TargetLauncher {
public:
    StartResult launchTarget(const LaunchRequest& request) override;
    // Makes every later launch fail with this error (or succeed again with fail = false).
    void setFailure(bool fail, std::uint32_t errorNumber = 1155,
                    std::string errorText = "No application is associated with the specified file for this operation.");
    const std::vector<LaunchRequest>& launches() const { return launches_; }

private:
    std::vector<LaunchRequest> launches_;
    StartResult failure_;
    bool failing_ = false;
};

}  // namespace messenger
