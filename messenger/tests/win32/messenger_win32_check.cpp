// The Win32 runner on a real (or Wine's) Windows. The check starts a copy of
// itself in "echo" mode, which writes the command line and window style it
// received into a file, so the check sees exactly what reached the new process.
// For watched runs the copy plays the child: it writes given texts in the OEM
// code page and ends with a given status, or lingers, alone or behind a
// lingering copy of its own.
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
using messenger::WatchedRun;
using messenger::WindowStyle;

const wchar_t kEchoSwitch[] = L"--echo";
const wchar_t kWriteSwitch[] = L"--write";    // <status> <stdout text> <stderr text>
const wchar_t kLingerSwitch[] = L"--linger";  // <ms>: writes "pid <id>", then sleeps
const wchar_t kSpawnSwitch[] = L"--spawn";    // <ms>: starts a lingerer sharing its output, writes its pid, ends
constexpr std::uint32_t kFileNotFound = ERROR_FILE_NOT_FOUND;

std::wstring ownPath() {
    std::vector<wchar_t> path(32768);
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::wstring(path.data(), length);
}

void writeOem(DWORD stream, const std::wstring& text) {
    std::string bytes(text.size() * 2 + 1, '\0');
    bytes.resize(WideCharToMultiByte(CP_OEMCP, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0],
                                     static_cast<int>(bytes.size()), nullptr, nullptr));
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Spawn mode: the lingerer inherits this process's output, so the pipe
// stays open after this process has ended.
int spawnLingerer(const std::wstring& ms) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = GetStdHandle(STD_OUTPUT_HANDLE);
    SetHandleInformation(startup.hStdOutput, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    std::wstring line = L"\"" + ownPath() + L"\" " + kLingerSwitch + L" " + ms;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    writeOem(STD_OUTPUT_HANDLE, L"pid " + std::to_wstring(process.dwProcessId) + L"\r\n");
    return 0;  // the lingerer's handles close with this process
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

std::string selfWith(const wchar_t* mode, const std::string& arguments) {
    return "\"" + platform::narrow(ownPath()) + "\" " + platform::narrow(mode) + " " + arguments;
}

std::string writerCommand(std::uint32_t status, const std::string& out, const std::string& err = "") {
    return selfWith(kWriteSwitch, std::to_string(status) + " \"" + out + "\" \"" + err + "\"");
}

// Whether the lingerer whose "pid <id>" is in `output` still runs; ends it either way.
bool endLingerer(const std::string& output) {
    const std::size_t at = output.find("pid ");
    if (at == std::string::npos) return false;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, std::stoul(output.substr(at + 4)));
    if (!process) return false;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    return running;
}

// A message with everything a shell would interpret, and a line break.
const char kMessage[] = "Lunch \"now\" & later 100% %PATH% ^ | < > (ok)\r\nsecond line";

// Runs this program in echo mode with `style`, watched or not, and checks
// what reached it: the show flags expected (`expectedStartup`) and the
// command line unchanged.
void checkRunPassesCommandLineUnchanged(WindowStyle style, const char* expectedStartup, bool watched) {
    const std::wstring file = echoFile(expectedStartup);
    const std::string commandLine = "\"" + platform::narrow(ownPath()) + "\" --echo \"" +
                                    platform::narrow(file) + "\" send PC7 " + kMessage;
    auto runner = messenger::makeWin32ProcessRunner();
    const StartResult result =
        watched ? runner->runWatched(commandLine, style, 10000).start : runner->run(commandLine, style);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(awaitEcho(file), std::string(expectedStartup) + "\n" + commandLine);
}

}  // namespace

// The runner's contract runs on the Win32 runner, with a program every Windows has.
messenger::contract::ContractRunner messenger::contract::makeContractRunner() {
    return {makeWin32ProcessRunner(), "cmd.exe /c exit 0",
            [](std::uint32_t status, const std::string& output) { return writerCommand(status, output); }};
}

TEST(Win32ProcessRunner, run_passes_command_line_and_window_style_unchanged) {
    for (bool watched : {false, true}) {
        checkRunPassesCommandLineUnchanged(WindowStyle::Hidden, "1 0", watched);
        checkRunPassesCommandLineUnchanged(WindowStyle::MinimizedWithFocus, "1 2", watched);
    }
}

// As XP's net writes a failed send: standard output and error, in the OEM
// code page (letters that code page 437 and 850 have, at other bytes than
// in UTF-8 or the ANSI code page), then status 2.
TEST(Win32ProcessRunner, run_watched_reads_both_outputs_in_the_oem_code_page) {
    const std::string text = "Z\xC3\xBCrich \xC2\xBD d\xC3\xA9j\xC3\xA0";
    const WatchedRun run = messenger::makeWin32ProcessRunner()->runWatched(
        writerCommand(2, text + "\r\n", "The message alias could not be found on the network.\r\n\r\n"),
        WindowStyle::Hidden, 10000);
    EXPECT_TRUE(run.start.started && run.finished);
    EXPECT_EQ(run.exitStatus, 2u);
    EXPECT_EQ(run.output, text + "\nThe message alias could not be found on the network.") << "OEM " << GetOEMCP();
}

// A process still running when the time is up is left running, reported
// with what it wrote so far; the test then ends it by its id. One that ends
// while a process it started holds the pipe open counts as ended at once.
TEST(Win32ProcessRunner, run_watched_waits_no_longer_than_its_time) {
    auto runner = messenger::makeWin32ProcessRunner();
    DWORD begun = GetTickCount();
    WatchedRun run = runner->runWatched(selfWith(kLingerSwitch, "8000"), WindowStyle::Hidden, 1500);
    DWORD took = GetTickCount() - begun;
    EXPECT_TRUE(run.start.started && !run.finished);
    EXPECT_TRUE(took >= 1500 && took < 4000) << took << " ms";
    EXPECT_TRUE(endLingerer(run.output)) << run.output;

    begun = GetTickCount();
    run = runner->runWatched(selfWith(kSpawnSwitch, "8000"), WindowStyle::Hidden, 4000);
    took = GetTickCount() - begun;
    EXPECT_TRUE(run.start.started && run.finished && run.exitStatus == 0);
    EXPECT_TRUE(took < 3000) << took << " ms";
    EXPECT_TRUE(endLingerer(run.output)) << run.output;
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
    // The child modes first; their arguments are read as UTF-16.
    int wideCount = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    const std::vector<std::wstring> args(wide, wide + (wide ? wideCount : 0));
    LocalFree(wide);
    const std::wstring mode = args.size() >= 3 ? args[1] : L"";
    if (mode == kEchoSwitch) return echo(args[2]);
    if (mode == kWriteSwitch && args.size() == 5) {
        writeOem(STD_OUTPUT_HANDLE, args[3]);
        writeOem(STD_ERROR_HANDLE, args[4]);
        return std::stoi(args[2]);
    }
    if (mode == kLingerSwitch) {
        writeOem(STD_OUTPUT_HANDLE, L"pid " + std::to_wstring(GetCurrentProcessId()) + L"\r\n");
        Sleep(std::stoul(args[2]));
        return 0;
    }
    if (mode == kSpawnSwitch) return spawnLingerer(args[2]);
    return testing::RunAllTests(argc, argv);
}
