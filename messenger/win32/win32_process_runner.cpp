#include "messenger/win32_process_runner.hpp"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "messenger/command_lines.hpp"
#include "platform/win32_text.hpp"
#include "shell_error.hpp"

namespace messenger {

namespace {

StartResult failed(DWORD error) {
    StartResult result;
    result.errorNumber = error;
    result.errorText = platform::systemErrorText(error);
    return result;
}

class Win32ProcessRunner : public ProcessRunner {
public:
    StartResult run(const std::string& commandLine, WindowStyle style) override {
        // A longer line would fail inside CreateProcessW; refused here with the same error.
        if (!fitsCommandLine(commandLine)) return tooLong();
        // CreateProcessW may write into the command line, so it gets its own copy.
        std::wstring wide = platform::widen(commandLine);
        std::vector<wchar_t> line(wide.begin(), wide.end());
        line.push_back(L'\0');

        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(style);
        PROCESS_INFORMATION process = {};
        // No application name: the first word is the program, searched for as the
        // system does. No creation flags: a console program gets its own console,
        // shown with the style asked for.
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return failed(GetLastError());
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        StartResult result;
        result.started = true;
        return result;
    }

    StartResult shellExecute(const ShellExecuteRequest& request) override {
        std::wstring verb = platform::widen(request.verb);
        std::wstring file = platform::widen(request.file);
        std::wstring parameters = platform::widen(request.parameters);

        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI;  // the caller reports failures; no process handle
        info.lpVerb = verb.empty() ? nullptr : verb.c_str();
        info.lpFile = file.c_str();
        info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
        info.nShow = request.showMode;
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

}  // namespace messenger
