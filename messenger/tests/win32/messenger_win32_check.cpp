// The Win32 runner on a real (or Wine's) Windows. The check starts a copy of
// itself in "echo" mode, which writes the command line and window style it
// received into a file, so the check sees exactly what reached the new process.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "contract/runner_contract.hpp"
#include "gtest/gtest.h"
#include "messenger/command_lines.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_text.hpp"

namespace {

using messenger::StartResult;
using messenger::WindowStyle;

const wchar_t kEchoSwitch[] = L"--echo";
constexpr std::uint32_t kFileNotFound = ERROR_FILE_NOT_FOUND;

std::wstring ownPath() {
    std::vector<wchar_t> path(32768);
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::wstring(path.data(), length);
}

// Echo mode: "<exe> --echo <file> ..." writes "<uses show window> <show value>\n<command line>".
int echo(const std::wstring& file) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const std::string report = std::to_string((startup.dwFlags & STARTF_USESHOWWINDOW) ? 1 : 0) +
                               " " + std::to_string(startup.wShowWindow) + "\n" +
                               platform::narrow(GetCommandLineW());
    // Written under another name and then renamed, so the reader never sees half of it.
    const std::wstring partial = file + L".part";
    HANDLE handle = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(handle, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    CloseHandle(handle);
    return MoveFileW(partial.c_str(), file.c_str()) ? 0 : 1;
}

// Waits (at most 5 s) for the echo file and returns its content, "" when none came.
std::string awaitEcho(const std::wstring& file) {
    for (int waited = 0; waited < 5000; waited += 20) {
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            std::string content(GetFileSize(handle, nullptr), '\0');
            DWORD got = 0;
            if (!content.empty())
                ReadFile(handle, &content[0], static_cast<DWORD>(content.size()), &got, nullptr);
            CloseHandle(handle);
            DeleteFileW(file.c_str());
            return content.substr(0, got);
        }
        Sleep(20);
    }
    return {};
}

std::wstring echoFile(const char* name) {
    wchar_t folder[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder, length) + L"messenger-check-" +
           std::to_wstring(GetCurrentProcessId()) + L"-" + platform::widen(name) + L".txt";
}

// A message with everything a shell would interpret, and a line break.
const char kMessage[] = "Lunch \"now\" & later 100% %PATH% ^ | < > (ok)\r\nsecond line";

// Runs this program in echo mode with `style` and checks what reached it:
// the show flags expected (`expectedStartup`) and the command line unchanged.
void checkRunPassesCommandLineUnchanged(WindowStyle style, const char* expectedStartup) {
    const std::wstring file = echoFile(expectedStartup);
    const std::string commandLine = "\"" + platform::narrow(ownPath()) + "\" --echo \"" +
                                    platform::narrow(file) + "\" send PC7 " + kMessage;
    const StartResult result = messenger::makeWin32ProcessRunner()->run(commandLine, style);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(awaitEcho(file), std::string(expectedStartup) + "\n" + commandLine);
}

}  // namespace

// The runner's contract runs on the Win32 runner, with a program every Windows has.
messenger::contract::ContractRunner messenger::contract::makeContractRunner() {
    return {makeWin32ProcessRunner(), "cmd.exe /c exit 0"};
}

TEST(Win32ProcessRunner, run_passes_command_line_and_window_style_unchanged) {
    checkRunPassesCommandLineUnchanged(WindowStyle::Hidden, "1 0");
    checkRunPassesCommandLineUnchanged(WindowStyle::MinimizedWithFocus, "1 2");
}

// A message of 32,000 characters with text outside every ANSI code page
// arrives whole (a longer line: the runners' contract).
TEST(Win32ProcessRunner, run_passes_long_and_non_ansi_messages) {
    const std::wstring file = echoFile("long");
    const std::string head = "\"" + platform::narrow(ownPath()) + "\" --echo \"" + platform::narrow(file) +
                             "\" send PC7 ";
    const std::string message = std::string(32000 - 12, 'x') + " \xE7\x8C\xAB \xD0\xAF \xF0\x9F\x98\x80";
    auto runner = messenger::makeWin32ProcessRunner();
    EXPECT_TRUE(runner->run(head + message, WindowStyle::Hidden).started);
    EXPECT_EQ(awaitEcho(file), "1 0\n" + head + message);
}

TEST(Win32ProcessRunner, shell_execute_passes_parameters_unchanged) {
    auto runner = messenger::makeWin32ProcessRunner();
    const std::wstring file = echoFile("shell");
    messenger::ShellExecuteRequest request;
    request.file = platform::narrow(ownPath());
    request.parameters = "--echo \"" + platform::narrow(file) + "\" SEND \"PC 7\" hello";
    const StartResult result = runner->shellExecute(request);
    EXPECT_TRUE(result.started);
    const std::string echoed = awaitEcho(file);
    // The shell puts the program's path in front; the parameters follow it unchanged.
    EXPECT_EQ(echoed.substr(0, 4), "1 0\n");
    EXPECT_TRUE(echoed.size() > request.parameters.size() &&
                echoed.compare(echoed.size() - request.parameters.size(), std::string::npos,
                               request.parameters) == 0);
}

TEST(Win32ProcessRunner, failed_starts_report_the_system_error) {
    auto runner = messenger::makeWin32ProcessRunner();
    const std::string missing = "no-such-program-" + std::to_string(GetCurrentProcessId()) + ".exe";
    StartResult result = runner->run(missing + " send PC7 hello", WindowStyle::Hidden);
    EXPECT_TRUE(!result.started);
    EXPECT_EQ(result.errorNumber, kFileNotFound);
    EXPECT_TRUE(!result.errorText.empty() && result.errorText.back() != '\n');

    messenger::ShellExecuteRequest request;
    request.file = missing;
    request.parameters = "SEND \"PC7\" hello";
    result = runner->shellExecute(request);
    EXPECT_TRUE(!result.started);
    EXPECT_EQ(result.errorNumber, kFileNotFound);
    EXPECT_TRUE(!result.errorText.empty());
}

TEST(Win32ProcessRunner, shell_execute_letting_the_shell_report_failures_passes_parameters_unchanged) {
    // Failures are not tried here: the shell would show its own error box
    // and wait for a user, and no test answers it.
    const std::wstring file = echoFile("launch");
    messenger::ShellExecuteRequest request;
    request.file = platform::narrow(ownPath());
    request.parameters = "--echo \"" + platform::narrow(file) + "\" SEND \"PC 7\" " + kMessage;
    request.shellReportsFailure = true;
    const StartResult result = messenger::makeWin32ProcessRunner()->shellExecute(request);
    EXPECT_TRUE(result.started);
    const std::string echoed = awaitEcho(file);
    EXPECT_EQ(echoed.substr(0, 4), "1 0\n");
    EXPECT_TRUE(echoed.size() > request.parameters.size() &&
                echoed.compare(echoed.size() - request.parameters.size(), std::string::npos,
                               request.parameters) == 0);
}

int main(int argc, char** argv) {
    // Echo mode first; the echo file's path is read as UTF-16.
    int wideCount = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    const bool echoMode = wide && wideCount >= 3 && std::wstring(wide[1]) == kEchoSwitch;
    const std::wstring echoTarget = echoMode ? wide[2] : L"";
    LocalFree(wide);
    if (echoMode) return echo(echoTarget);
    return testing::RunAllTests(argc, argv);
}
