#include "messenger/win32_process_runner.hpp"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "messenger/command_lines.hpp"
#include "process_watch.hpp"
#include "platform/win32_text.hpp"

namespace messenger {

namespace {

StartResult failed(DWORD error) {
    StartResult result;
    result.errorNumber = error;
    result.errorText = platform::systemErrorText(error);
    return result;
}

// ShellExecuteEx normally sets the thread's last error; when it leaves 0 there
// (Wine does after the shell has shown its own error box), its SE_ERR_* code
// in hInstApp is turned into the matching system error. A code below 32 that
// is no SE_ERR_* value is a system error itself (11: not a valid program).
DWORD shellError(const SHELLEXECUTEINFOW& info) {
    DWORD error = GetLastError();
    if (error != ERROR_SUCCESS) return error;
    INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
    switch (code) {
    case SE_ERR_FNF: return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF: return ERROR_PATH_NOT_FOUND;
    case SE_ERR_ACCESSDENIED: return ERROR_ACCESS_DENIED;
    case SE_ERR_OOM: return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC: return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    default: return code > 0 && code < 32 ? static_cast<DWORD>(code) : ERROR_BAD_FORMAT;
    }
}

STARTUPINFOW startupFor(WindowStyle style) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);
    return startup;
}

// Starts the command line as given. No application name: the first word is
// the program, searched for as the system does. No creation flags: a console
// program gets its own console, shown with the style `startup` asks for.
StartResult start(const std::string& commandLine, STARTUPINFOW& startup, BOOL inheritHandles,
                  PROCESS_INFORMATION& process) {
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring wide = platform::widen(commandLine);
    std::vector<wchar_t> line(wide.begin(), wide.end());
    line.push_back(L'\0');
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, inheritHandles, 0, nullptr, nullptr,
                        &startup, &process))
        return failed(GetLastError());
    StartResult result;
    result.started = true;
    return result;
}

class Win32ProcessRunner : public ProcessRunner {
public:
    StartResult run(const std::string& commandLine, WindowStyle style) override {
        // A longer line would fail inside CreateProcessW; refused here with the same error.
        if (!fitsCommandLine(commandLine)) return tooLong();
        STARTUPINFOW startup = startupFor(style);
        PROCESS_INFORMATION process = {};
        const StartResult result = start(commandLine, startup, FALSE, process);
        if (!result.started) return result;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return result;
    }

    WatchedRun runWatched(const std::string& commandLine, WindowStyle style, std::uint32_t timeoutMs) override {
        const DWORD begun = GetTickCount();
        WatchedRun watched;
        if (!fitsCommandLine(commandLine)) {
            watched.start = tooLong();
            return watched;
        }
        // Standard output and error share one pipe; only its write end is
        // inherited, and the parent's copy is closed once the child has its own.
        // A watched start on another thread meanwhile may hand a copy to its
        // child as well: harmless, as the watch never waits for the pipe's end.
        SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
        HANDLE readEnd = nullptr, writeEnd = nullptr;
        if (!CreatePipe(&readEnd, &writeEnd, &inheritable, static_cast<DWORD>(kMaxWatchedOutput)) ||
            !SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0)) {
            watched.start = failed(GetLastError());
            if (readEnd) CloseHandle(readEnd);
            if (writeEnd) CloseHandle(writeEnd);
            return watched;
        }
        STARTUPINFOW startup = startupFor(style);
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;  // nothing to read: a read fails at once instead of waiting
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        PROCESS_INFORMATION process = {};
        watched.start = start(commandLine, startup, TRUE, process);
        CloseHandle(writeEnd);
        if (watched.start.started) {
            CloseHandle(process.hThread);
            watchProcess(process.hProcess, readEnd, begun, timeoutMs, watched);
            CloseHandle(process.hProcess);  // one still running goes on without us
        }
        CloseHandle(readEnd);
        return watched;
    }

    StartResult shellExecute(const ShellExecuteRequest& request) override {
        const std::wstring file = platform::widen(request.file);
        const std::wstring parameters = platform::widen(request.parameters);

        // No process handle is asked for. Without SEE_MASK_FLAG_NO_UI the shell
        // shows its own error box, owned by the owner window, before it fails.
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = request.shellReportsFailure ? 0 : SEE_MASK_FLAG_NO_UI;
        info.hwnd = reinterpret_cast<HWND>(request.owner.value);
        info.lpVerb = L"open";
        info.lpFile = file.c_str();
        info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
        info.nShow = static_cast<int>(request.show);
        SetLastError(ERROR_SUCCESS);
        if (!ShellExecuteExW(&info)) return failed(shellError(info));
        StartResult result;
        result.started = true;
        return result;
    }
};

}  // namespace

std::unique_ptr<ProcessRunner> makeWin32ProcessRunner() {
    return std::unique_ptr<ProcessRunner>(new Win32ProcessRunner());
}

ProcessRunner& win32ProcessRunner() {
    static ProcessRunner* const runner = makeWin32ProcessRunner().release();
    return *runner;
}

}  // namespace messenger
