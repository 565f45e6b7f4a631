// Measures how long programs take from process start to a visible window of
// theirs, over several runs each, and prints the medians and their ratio to
// the first program (the yardstick). The programs take turns, one start each
// per round.
//   startup-bench.exe RUNS program.exe [program.exe ...]
#include <windows.h>

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

// Milliseconds until the program shows a window, or a negative number when
// it did not within ten seconds.
double timeOneStart(const wchar_t* program) {
    std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double elapsed = -1;
    for (;;) {
        Search search{process.dwProcessId, false};
        EnumWindows(findVisible, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        double ms = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
        if (search.found) {
            elapsed = ms;
            break;
        }
        if (ms > 10000) break;
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: startup-bench RUNS program.exe [program.exe ...]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const int programs = argc - 2;
    std::vector<std::vector<double>> times(programs);
    for (int p = 0; p < programs; ++p) timeOneStart(argv[p + 2]);  // a first start warms the caches
    // Round by round, every program once per round: a machine that slows
    // down or speeds up during the benchmark then weighs on all alike.
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p) {
            double ms = timeOneStart(argv[p + 2]);
            if (ms < 0) {
                std::fwprintf(stderr, L"%ls showed no window\n", argv[p + 2]);
                return 1;
            }
            times[p].push_back(ms);
        }
    }
    double yardstick = 0;
    for (int p = 0; p < programs; ++p) {
        std::vector<double>& t = times[p];
        std::sort(t.begin(), t.end());
        double median = t[t.size() / 2];
        if (p == 0) yardstick = median;
        std::wprintf(L"%-40ls median %7.1f ms  (min %7.1f, max %7.1f)  x%.2f\n", argv[p + 2], median, t.front(),
                     t.back(), yardstick > 0 ? median / yardstick : 0.0);
    }
    return 0;
}
