#include <windows.h>
#include <shellapi.h>

#include "messenger/win32_process_runner.hpp"
#include "messenger/target_launcher.hpp"
#include "platform/win32_text.hpp"
#include "shell_error.hpp"

namespace messenger {

namespace {

class ShellLauncher : public TargetLauncher {
public:
    StartResult launchTarget(const LaunchRequest& request) override {
        const std::wstring file = platform::widen(request.file);
        const std::wstring parameters = platform::widen(request.parameters);
        const std::wstring directory = platform::widen(request.directory);

        // No flags: the shell shows its own error dialogs and hands back no
        // process handle. The directory is given only when there is one.
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = 0;
        info.hwnd = reinterpret_cast<HWND>(request.owner);
        info.lpVerb = L"open";
        info.lpFile = file.c_str();
        info.lpParameters = parameters.c_str();
        info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
        info.nShow = SW_HIDE;
        SetLastError(ERROR_SUCCESS);
        StartResult result;
        if (ShellExecuteExW(&info)) {
            result.started = true;
        } else {
            result.errorNumber = shellError(info);
            result.errorText = platform::systemErrorText(result.errorNumber);
        }
        return result;
    }
};

}  // namespace

std::unique_ptr<TargetLauncher> makeShellLauncher() { return std::unique_ptr<TargetLauncher>(new ShellLauncher()); }

}  // namespace messenger
