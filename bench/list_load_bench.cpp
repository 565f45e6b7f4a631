// Measures how long Velnote takes from process start until both of its saved
// lists are loaded, with ENTRIES stored entries in each list and with none,
// and how long reading those entries from the registry takes by itself.
//   list-load-bench.exe RUNS ENTRIES velnote.exe
// Works on HKCU\Software\Velnote of the prefix it runs in: run it in a
// throwaway one (scripts/bench does).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "automation.hpp"

namespace {

const wchar_t* const kMachines = L"Software\\Velnote\\Machine Names";
const wchar_t* const kMessages = L"Software\\Velnote\\Messages";

void writeValue(HKEY key, const std::wstring& name, const std::wstring& text) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// A list as Velnote keeps it: the count key, then entries prefix1..prefixN.
void storeList(const wchar_t* path, const wchar_t* countKey, const wchar_t* prefix, const wchar_t* sample,
               int entries) {
    RegDeleteKeyW(HKEY_CURRENT_USER, path);
    if (entries == 0) return;
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)) return;
    writeValue(key, countKey, std::to_wstring(entries));
    for (int i = 1; i <= entries; ++i) writeValue(key, prefix + std::to_wstring(i), sample + std::to_wstring(i));
    RegCloseKey(key);
}

void storeLists(int entries) {
    storeList(kMachines, L"machines", L"Machine", L"PC-", entries);
    storeList(kMessages, L"msgs", L"message", L"Please come to meeting room ", entries);
}

double millisecondsSince(const LARGE_INTEGER& begin) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LRESULT ask(HWND hwnd, UINT message) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, 0, 0, SMTO_NORMAL, 1000, &result)) return -1;
    return static_cast<LRESULT>(result);
}

// Milliseconds from process start until the message list (filled last)
// holds the entries and the marker after them, selected; negative when that
// did not happen within a minute.
double timeOneLoad(const std::wstring& program, int entries) {
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    e2e::Process process = e2e::Process::start(program);
    HWND form = e2e::waitForWindow(process.id(), L"Form1", 60000);
    HWND messages = form ? e2e::findControl(form, L"combo2") : nullptr;
    if (!messages) return -1;
    // Start-up's last step selects the marker it adds after the entries.
    const bool loaded = e2e::waitUntil(
        [&] {
            const LRESULT count = ask(messages, CB_GETCOUNT);
            return count > entries && ask(messages, CB_GETCURSEL) == count - 1 &&
                   e2e::comboSelectedText(messages) == L"- Select Message -";
        },
        60000, 1);
    return loaded ? millisecondsSince(begin) : -1;
}

// Milliseconds to enumerate both lists' values as a program reads them.
double timeRegistryRead() {
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    for (const wchar_t* path : {kMachines, kMessages}) {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key)) continue;
        wchar_t name[256];
        BYTE data[1024];
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = 256, bytes = sizeof data, type = 0;
            if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &bytes)) break;
        }
        RegCloseKey(key);
    }
    return millisecondsSince(begin);
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: list-load-bench RUNS ENTRIES velnote.exe\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const int entries = std::clamp(_wtoi(argv[2]), 1, 32766);
    const std::wstring program = argv[3];
    try {
        for (int stored : {0, entries}) {
            storeLists(stored);
            std::vector<double> loads, reads;
            timeOneLoad(program, stored);  // a first start warms the caches
            for (int i = 0; i < runs; ++i) {
                const double ms = timeOneLoad(program, stored);
                if (ms < 0) {
                    std::fwprintf(stderr, L"the lists did not load with %d entries\n", stored);
                    return 1;
                }
                loads.push_back(ms);
                reads.push_back(timeRegistryRead());
            }
            std::wprintf(L"%5d entries per list: loaded after %7.1f ms (median); the registry read alone %7.1f ms\n",
                         stored, median(loads), median(reads));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    storeLists(0);
    return 0;
}
