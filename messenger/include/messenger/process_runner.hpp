#pragma once
// Starts the senders' commands. Nothing here waits for a started process or
// reads its outcome; a start that fails reports the system's error number and text.
#include <cstdint>
#include <string>

namespace messenger {

// Window style of a started command, as the senders ask for it.
enum class WindowStyle : int {
    Hidden = 0,              // no window
    Normal = 1,              // shown normally, and active
    MinimizedWithFocus = 2   // minimised, and it takes the focus
};

struct StartResult {
    bool started = false;
    std::uint32_t errorNumber = 0;  // the system's error code when not started
    std::string errorText;          // the system's text for it (UTF-8, no trailing line break)
};

struct ShellExecuteRequest {
    std::string verb;        // "open"
    std::string file;        // "NET"
    std::string parameters;  // passed on unchanged
    int showMode = 0;        // 0: hidden
};

// What a runner answers for a command line longer than the system takes
// (error 206, ERROR_FILENAME_EXCED_RANGE); nothing is started.
StartResult tooLong();

class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    // Starts commandLine exactly as given (program name first, searched for as
    // the system does), never through a shell, and returns at once. A line
    // longer than kMaxCommandLine (command_lines.hpp) is refused, never cut.
    virtual StartResult run(const std::string& commandLine, WindowStyle style) = 0;
    // Hands a file with parameters to the shell and returns at once.
    virtual StartResult shellExecute(const ShellExecuteRequest& request) = 0;
};

}  // namespace messenger
