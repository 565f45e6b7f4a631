#include "process_watch.hpp"

#include <algorithm>
#include <string>

#include "platform/win32_text.hpp"

namespace messenger {

namespace {

// How long the watch sleeps on the process between looks at an empty pipe.
constexpr DWORD kPollMs = 10;

// Reads what the pipe holds now, without blocking: ReadFile is asked only
// for bytes PeekNamedPipe has seen. A blocking read would wait for the pipe's
// end, and a process the child started may keep the pipe open long after
// the child itself is gone. Returns whether anything was read.
bool readWaiting(HANDLE pipe, std::string& kept) {
    DWORD waiting = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0) return false;
    char buffer[4096];
    DWORD got = 0;
    if (!ReadFile(pipe, buffer, std::min<DWORD>(waiting, sizeof buffer), &got, nullptr) || got == 0)
        return false;
    kept.append(buffer, std::min<std::size_t>(got, kMaxWatchedOutput - kept.size()));
    return true;
}

// Console programs write in the OEM code page (their console's default).
std::string fromOemCodePage(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0) MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), size, &wide[0], length);
    return platform::narrow(wide);
}

}  // namespace

void watchProcess(HANDLE process, HANDLE pipe, DWORD begun, DWORD timeoutMs, WatchedRun& watched) {
    std::string raw;
    const auto spent = [&] { return GetTickCount() - begun; };  // unsigned: right across a wrap
    for (;;) {
        // Looked at before reading: once the process has ended, what the
        // pipe holds is all it wrote.
        const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        while (spent() < timeoutMs && readWaiting(pipe, raw)) {
        }
        if (ended) {
            DWORD status = 0;
            GetExitCodeProcess(process, &status);
            watched.finished = true;
            watched.exitStatus = status;
            break;
        }
        const DWORD used = spent();
        if (used >= timeoutMs) break;
        WaitForSingleObject(process, std::min(kPollMs, timeoutMs - used));
    }
    watched.output = tidyWatchedOutput(fromOemCodePage(raw));
}

}  // namespace messenger
