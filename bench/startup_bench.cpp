// Measures how long programs take from process start to a visible window of
// theirs, and their working set at that moment, over several runs each, and
// prints for each program its medians, the yardstick's (the first program)
// and the ratios. The programs take turns, one start each per round.
//   startup-bench.exe RUNS program.exe [program.exe ...]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK findVisible(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->process && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

struct Start {
    double milliseconds = -1;  // negative: no window within ten seconds
    double workingSetKb = 0;   // when the window showed
};

// Starts the program, waits for its first visible window and ends it again.
Start timeOneStart(const wchar_t* program) {
    std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {};
    Start result;
    for (;;) {
        Search search{process.dwProcessId, false};
        EnumWindows(findVisible, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        double ms = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
        if (search.found) {
            result.milliseconds = ms;
            PROCESS_MEMORY_COUNTERS memory{};
            if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
                result.workingSetKb = static_cast<double>(memory.WorkingSetSize) / 1024.0;
            break;
        }
        if (ms > 10000) break;
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return result;
}

// Wine starts its desktop process (explorer) for the first window that
// appears and ends it again soon after the last one has gone, so that every
// start would also pay for a desktop, which on Windows is always there. A
// window of the benchmark's own, never shown, keeps the desktop up throughout.
HWND keepDesktop() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: startup-bench RUNS program.exe [program.exe ...]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const int programs = argc - 2;
    std::vector<std::vector<double>> times(programs), memory(programs);
    HWND desktopKeeper = keepDesktop();
    for (int p = 0; p < programs; ++p) timeOneStart(argv[p + 2]);  // a first start warms the caches
    // Round by round, every program once per round: a machine that slows
    // down or speeds up during the benchmark then weighs on all alike.
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p) {
            const Start start = timeOneStart(argv[p + 2]);
            if (start.milliseconds < 0) {
                std::fwprintf(stderr, L"%ls showed no window\n", argv[p + 2]);
                return 1;
            }
            times[p].push_back(start.milliseconds);
            memory[p].push_back(start.workingSetKb);
        }
    }
    DestroyWindow(desktopKeeper);
    const double barePace = median(times[0]), bareMemory = median(memory[0]);
    for (int p = 1; p < programs; ++p) {
        const wchar_t* name = std::wcsrchr(argv[p + 2], L'/');
        if (!name) name = std::wcsrchr(argv[p + 2], L'\\');
        name = name ? name + 1 : argv[p + 2];
        const double pace = median(times[p]), workingSet = median(memory[p]);
        std::wprintf(L"%-16ls start %6.1f ms, bare %6.1f ms: x%.2f   working set %6.0f KB, bare %6.0f KB: x%.2f\n",
                     name, pace, barePace, pace / barePace, workingSet, bareMemory,
                     bareMemory > 0 ? workingSet / bareMemory : 0.0);
    }
    return 0;
}
