#pragma once
// Starts the senders' commands, and asks the shell to open a program, a
// document or a web address. Nothing here waits for a started process or
// reads its outcome; a start that fails reports the system's error number and text.
#include <cstdint>
#include <string>

#include "forms/native_handle.hpp"

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

// What the shell is asked to open, with the verb "open": a program with
// parameters, or a document or web address with the program registered for it.
struct ShellExecuteRequest {
    std::string file;
    std::string parameters;  // passed on unchanged; "": none
    WindowStyle show = WindowStyle::Hidden;
    forms::NativeHandle owner;  // the window that owns what the shell shows; empty: none
    // Whether the shell shows its own error box, owned by `owner`, when it
    // cannot open the file (and waits there for the user); when not, only
    // the caller reports the failure.
    bool shellReportsFailure = false;
};

// What a runner answers for a command line longer than the system takes
// (error 206, ERROR_FILENAME_EXCED_RANGE); nothing is started.
StartResult tooLong();

// Whether a failed shell start is the shell's "no program for this target":
// no association for a document or address, or a file that is not there (a
// missing program). A target that is there but is no valid program is not.
bool isNoAssociationFailure(const StartResult& result);

class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    // Starts commandLine exactly as given (program name first, searched for as
    // the system does), never through a shell, and returns at once. A line
    // longer than kMaxCommandLine (command_lines.hpp) is refused, never cut.
    virtual StartResult run(const std::string& commandLine, WindowStyle style) = 0;
    // Hands the request to the shell as it stands and returns at once.
    virtual StartResult shellExecute(const ShellExecuteRequest& request) = 0;
};

}  // namespace messenger
