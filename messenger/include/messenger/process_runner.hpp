#pragma once
// Starts the senders' commands, and asks the shell to open a program, a
// document or a web address. A start that fails reports the system's error
// number and text. Only a watched run waits for the process, for a bounded
// time, and reads its outcome.
#include <cstddef>
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

// What a watched run saw of the command it started.
struct WatchedRun {
    StartResult start;             // as run() reports it; nothing below counts when not started
    bool finished = false;         // the process ended within the time given
    std::uint32_t exitStatus = 0;  // its exit status, when finished
    // What it wrote to its standard output and standard error, both into one
    // pipe and so in the order written, up to the end or the time given:
    // decoded from the OEM code page (the one console programs write in) to
    // UTF-8, every CR LF turned into LF (a lone CR stays), and trailing
    // blank lines and spaces removed. Only the first kMaxWatchedOutput bytes
    // written are kept; the rest is read and dropped, so the writer never
    // stalls on a full pipe.
    std::string output;
};

constexpr std::size_t kMaxWatchedOutput = 64 * 1024;

// A watched run's raw output (already UTF-8) in the form WatchedRun::output
// has: CR LF as LF, no trailing blank lines or spaces.
std::string tidyWatchedOutput(std::string text);

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
    // Starts commandLine as run() does, with its standard output and error
    // going to one pipe, and waits until the process ends or timeoutMs have
    // passed since the call, whichever comes first: it blocks the calling
    // thread no longer than that (a process that ended while a process it
    // started still holds the pipe open counts as ended). A process still
    // running then is left running, with finished false.
    virtual WatchedRun runWatched(const std::string& commandLine, WindowStyle style,
                                  std::uint32_t timeoutMs) = 0;
    // Hands the request to the shell as it stands and returns at once.
    virtual StartResult shellExecute(const ShellExecuteRequest& request) = 0;
};

}  // namespace messenger
