// Our programs' stores at scale, each action against a floor: floor.exe doing
// the same raw work with bare Win32 and standard controls. Program and floor
// take turns, round by round; each line gives both medians and their ratio.
//   store-bench.exe RUNS BUILD_DIR [PROGRAM]
// BUILD_DIR holds velnote\velnote.exe, pingrel\pingrel.exe,
// pingrelgui\pingrelgui.exe, vorlane\vorlane.exe, bench\floor.exe and
// e2e\netapi-standin\netapi32.dll; a program that is missing is skipped, and
// so is every one but PROGRAM when it is named.
// Works on the registry and temporary folder of the prefix it runs in: run it
// in a throwaway one (scripts/bench does).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "automation.hpp"
#include "floor_messages.hpp"

namespace {

constexpr int kVelnoteEntries = 30000;
constexpr int kStoreLines = 100000;
constexpr DWORD kLongWait = 120000;  // the bound of every wait for a big list

using Clock = LARGE_INTEGER;
Clock now() {
    Clock t;
    QueryPerformanceCounter(&t);
    return t;
}
double msSince(const Clock& begin) {
    Clock end = now(), frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
}

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error(what); }

LRESULT ask(HWND hwnd, UINT message, WPARAM wParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, 0, SMTO_NORMAL, kLongWait, &result)) return -1;
    return static_cast<LRESULT>(result);
}

// Waits until `hwnd` holds `count` items (LB_GETCOUNT, CB_GETCOUNT, LVM_GETITEMCOUNT).
// Asks every `intervalMs`: a program that handles its events while it fills
// answers each question in the middle of its work.
void waitForCount(HWND hwnd, UINT message, int count, const char* what, DWORD intervalMs = 1) {
    if (!e2e::waitUntil([&] { return ask(hwnd, message) == count; }, kLongWait, intervalMs))
        fail(std::string(what) + " did not reach " + std::to_string(count) + " items");
}

void writeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) fail("cannot write " + e2e::narrow(path));
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring tempFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH + 1];
    const std::wstring dir = std::wstring(temp, GetTempPathW(MAX_PATH + 1, temp)) + name;
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// ---- The floor ---------------------------------------------------------------

struct Floor {
    e2e::Process process;
    HWND window = nullptr;
    std::vector<HWND> boxes;  // its controls in creation order

    Floor(const std::wstring& exe, const std::wstring& arguments) {
        process = e2e::Process::start(exe, arguments);
        if (!e2e::waitUntil([&] { return (window = visibleFloor()) != nullptr; }, kLongWait, 1))
            fail("the floor showed no window");
        for (HWND child = FindWindowExW(window, nullptr, nullptr, nullptr); child;
             child = FindWindowExW(window, child, nullptr, nullptr))
            boxes.push_back(child);
    }
    HWND visibleFloor() const {
        for (HWND w : e2e::topLevelWindows(process.id()))
            if (e2e::className(w) == L"Floor" && IsWindowVisible(w)) return w;
        return nullptr;
    }
    // Milliseconds the floor takes to do what `message` asks.
    double time(UINT message, WPARAM wParam = 0) {
        const Clock begin = now();
        if (ask(window, message, wParam) != 1) fail("the floor failed a task");
        return msSince(begin);
    }
};

// ---- Rounds, medians and the report --------------------------------------------

struct Series {
    std::vector<double> program, floor;
};
std::map<std::string, Series> results;
std::vector<std::string> order;

void record(const std::string& name, double program, double floorMs, bool isFloor) {
    if (!results.count(name)) order.push_back(name);
    (isFloor ? results[name].floor : results[name].program).push_back(isFloor ? floorMs : program);
}
void programTime(const std::string& name, double ms) { record(name, ms, 0, false); }
void floorTime(const std::string& name, double ms) { record(name, 0, ms, true); }

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report() {
    for (const std::string& name : order) {
        const double p = median(results[name].program), f = median(results[name].floor);
        std::printf("%-44s %8.1f ms, floor %8.1f ms: x%.2f (goal x2)\n", name.c_str(), p, f, f > 0 ? p / f : 0.0);
    }
    std::fflush(stdout);
}

// ---- Velnote: 30,000 saved entries in each list --------------------------------

void writeValue(HKEY key, const std::wstring& name, const std::wstring& text) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void storeVelnoteList(const wchar_t* path, const wchar_t* countKey, const wchar_t* prefix, const wchar_t* sample) {
    RegDeleteKeyW(HKEY_CURRENT_USER, path);
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr))
        fail("cannot write the registry");
    writeValue(key, countKey, std::to_wstring(kVelnoteEntries));
    for (int i = 1; i <= kVelnoteEntries; ++i) writeValue(key, prefix + std::to_wstring(i), sample + std::to_wstring(i));
    RegCloseKey(key);
}

// Opens an editor from the "Customize" menu and waits for its full list.
double openVelnoteEditor(HWND form, DWORD pid, int position, const wchar_t* windowName, const wchar_t* listName) {
    const Clock begin = now();
    e2e::menuKeys(form, L"c");
    for (int i = 0; i < position; ++i) e2e::pressKeyInFocus(form, VK_DOWN);
    e2e::pressKeyInFocus(form, VK_RETURN);
    HWND editor = e2e::waitForWindow(pid, windowName, 30000);
    if (!editor) fail("the list editor did not open");
    waitForCount(e2e::control(editor, listName), LB_GETCOUNT, kVelnoteEntries, "the editor's list");
    const double ms = msSince(begin);
    e2e::click(e2e::control(editor, L"Command1"));  // "<< Close Window>>"
    e2e::waitUntil([&] { return !IsWindowVisible(editor); }, kLongWait, 1);
    ask(form, WM_NULL);  // answered once the main window's list is filled again
    return ms;
}

void velnoteRound(const std::wstring& exe, const std::wstring& floorExe) {
    {
        const Clock begin = now();
        e2e::Process process = e2e::Process::start(exe);
        HWND form = e2e::waitForWindow(process.id(), L"Form1", kLongWait);
        if (!form) fail("Velnote showed no window");
        HWND messages = e2e::control(form, L"combo2");
        // Start-up's last step selects the marker it adds after the entries.
        if (!e2e::waitUntil(
                [&] {
                    const LRESULT count = ask(messages, CB_GETCOUNT);
                    return count > kVelnoteEntries && ask(messages, CB_GETCURSEL) == count - 1;
                },
                kLongWait, 1))
            fail("Velnote did not load its lists");
        programTime("Velnote start-up, 2 x 30,000 entries", msSince(begin));
        programTime("Velnote machine name editor opening",
                    openVelnoteEditor(form, process.id(), 0, L"Form7", L"lstmname"));
        programTime("Velnote message editor opening", openVelnoteEditor(form, process.id(), 1, L"Form4", L"lstmsg"));
    }
    const Clock begin = now();
    Floor floor(floorExe, L"registry");
    waitForCount(floor.boxes[1], CB_GETCOUNT, kVelnoteEntries + 1, "the floor's combo");
    floorTime("Velnote start-up, 2 x 30,000 entries", msSince(begin));
    floorTime("Velnote machine name editor opening", floor.time(bare::kListFromRegistry, 0));
    floorTime("Velnote message editor opening", floor.time(bare::kListFromRegistry, 1));
}

// ---- Pingrel: network.txt and messages.txt of 100,000 lines each ------------------

// The lines 1 to kStoreLines of the pattern, the number in each of its %d.
std::string numberedLines(const char* pattern) {
    std::string bytes;
    char line[128];
    for (int i = 1; i <= kStoreLines; ++i) bytes += std::string(line, static_cast<size_t>(wsprintfA(line, pattern, i, i)));
    return bytes;
}

void pingrelRound(const std::wstring& exe, const std::wstring& floorExe) {
    const std::string recipients = numberedLines("PC%06d\t\tDesk %d, second floor\r\n");
    const std::string messages = numberedLines("09/12/2026\tMeeting number %d is in room 4 at ten\r\n");
    {
        const std::wstring copy = e2e::stageProgram(exe), dir = e2e::folderOf(copy);
        writeFile(dir + L"\\network.txt", recipients);
        writeFile(dir + L"\\messages.txt", messages);
        e2e::Process process = e2e::Process::start(copy);
        HWND frame = e2e::waitForWindow(process.id(), L"MDIPingrel", kLongWait);
        HWND main = nullptr;
        if (!frame || !e2e::waitUntil([&] {
                return (main = e2e::findControl(frame, L"frmMain")) != nullptr && IsWindowVisible(main) &&
                       e2e::findControl(main, L"cmdOpenStore");
            }, kLongWait, 1))
            fail("Pingrel showed no main window");
        const Clock begin = now();
        e2e::click(e2e::control(main, L"cmdOpenStore"));
        HWND store = nullptr;
        if (!e2e::waitUntil([&] { return (store = e2e::findControl(frame, L"frmStore")) != nullptr; }, kLongWait, 1))
            fail("the store window did not open");
        HWND computers = e2e::control(store, L"lstComputers");
        waitForCount(computers, LB_GETCOUNT, kStoreLines, "lstComputers");
        waitForCount(e2e::control(store, L"lstMessages"), LB_GETCOUNT, kStoreLines, "lstMessages");
        programTime("Pingrel store window opening, 2 x 100,000", msSince(begin));

        ask(computers, LB_SETCURSEL, kStoreLines / 2);
        SendNotifyMessageW(GetParent(computers), WM_COMMAND,
                           MAKEWPARAM(GetDlgCtrlID(computers), LBN_SELCHANGE), reinterpret_cast<LPARAM>(computers));
        e2e::setFocus(computers);
        const Clock deleting = now();
        e2e::pressKeyInFocus(frame, VK_DELETE);
        waitForCount(computers, LB_GETCOUNT, kStoreLines - 1, "lstComputers after a delete");
        programTime("Pingrel deleting an entry from the middle", msSince(deleting));
    }
    const std::wstring dir = tempFolder(L"floor-pingrel");
    writeFile(dir + L"\\network.txt", recipients);
    writeFile(dir + L"\\messages.txt", messages);
    Floor floor(floorExe, L"lists \"" + dir + L"\\network.txt\" \"" + dir + L"\\messages.txt\"");
    floorTime("Pingrel store window opening, 2 x 100,000", floor.time(bare::kFillLists));
    floorTime("Pingrel deleting an entry from the middle", floor.time(bare::kCopyFile));
}

// ---- PingrelGUI: AddressBook.txt of 100,000 entries ------------------------------

// Names in a scrambled order, so that the sort has work to do; the first after
// sorting is "User000000".
std::string addressBook() {
    std::string bytes;
    char line[128];
    for (int i = 0; i < kStoreLines; ++i) {
        const int n = static_cast<int>((static_cast<long long>(i) * 7919) % kStoreLines);
        bytes += std::string(line, static_cast<size_t>(wsprintfA(line, "User%06d\xAC" "Desk %d, building B\r\n", n, i)));
    }
    return bytes;
}

void pingrelguiRound(const std::wstring& exe, const std::wstring& floorExe) {
    const std::string book = addressBook();
    {
        const std::wstring copy = e2e::stageProgram(exe);
        writeFile(e2e::folderOf(copy) + L"\\AddressBook.txt", book);
        const Clock begin = now();
        e2e::Process process = e2e::Process::start(copy);
        HWND form = e2e::waitForWindow(process.id(), L"wMain", kLongWait);
        if (!form) fail("PingrelGUI showed no window");
        HWND list = e2e::control(form, L"lvwAddressBook");
        waitForCount(list, LVM_GETITEMCOUNT, kStoreLines, "lvwAddressBook");
        programTime("PingrelGUI start-up with 100,000 entries", msSince(begin));
        // The sort and the save run in one handler: the list answers again
        // once both are done.
        const Clock sorting = now();
        e2e::clickListViewColumn(list, 0);
        if (!e2e::waitUntil([&] { return e2e::listViewItemText(list, 0) == L"User000000"; }, kLongWait, 1))
            fail("the address book was not sorted");
        programTime("PingrelGUI sorting by a column and saving", msSince(sorting));
    }
    const std::wstring path = tempFolder(L"floor-pingrelgui") + L"\\AddressBook.txt";
    writeFile(path, book);
    const Clock begin = now();
    Floor floor(floorExe, L"book \"" + path + L"\"");
    waitForCount(floor.boxes[0], LVM_GETITEMCOUNT, kStoreLines, "the floor's list view");
    floorTime("PingrelGUI start-up with 100,000 entries", msSince(begin));
    floorTime("PingrelGUI sorting by a column and saving", floor.time(bare::kSortAndSave));
}

// ---- Vorlane: 10,000 names from the stand-in netapi32 ---------------------------

void preferNativeNetApi() {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\vorlane.exe\\DllOverrides", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr))
        fail("cannot write the registry");
    writeValue(key, L"netapi32", L"native,builtin");
    RegCloseKey(key);
}

void vorlaneRound(const std::wstring& exe, const std::wstring& standIn, const std::wstring& floorExe) {
    {
        const std::wstring copy = e2e::stageProgram(exe), dir = e2e::folderOf(copy);
        if (!CopyFileW(standIn.c_str(), (dir + L"\\netapi32.dll").c_str(), FALSE)) fail("cannot copy netapi32.dll");
        writeFile(dir + L"\\netapi-servers.txt", std::to_string(bare::kFillCount));
        preferNativeNetApi();
        e2e::Process process = e2e::Process::start(copy);
        HWND form = e2e::waitForWindow(process.id(), L"Form1", kLongWait);
        if (!form) fail("Vorlane showed no window");
        HWND types = e2e::control(form, L"Combo1"), list = e2e::control(form, L"List1");
        e2e::pickComboItem(e2e::control(form, L"Combo2"), 0);
        e2e::setFocus(types);
        e2e::pickComboItem(types, L"LAN Manager Workstations");
        const Clock begin = now();
        // Leaving the type box starts the enumeration: the focus is moved
        // once (the program is busy right after, filling its list).
        const DWORD thread = GetWindowThreadProcessId(form, nullptr);
        AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
        SetFocus(list);
        AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
        waitForCount(list, LB_GETCOUNT, bare::kFillCount, "List1", 20);
        programTime("Vorlane listing 10,000 machines", msSince(begin));
    }
    Floor floor(floorExe, L"lists");
    floorTime("Vorlane listing 10,000 machines", floor.time(bare::kFillOneByOne));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || argc > 4) {
        std::fwprintf(stderr, L"usage: store-bench RUNS BUILD_DIR [PROGRAM]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring build = argv[2], only = argc == 4 ? argv[3] : L"";
    const auto wanted = [&](const std::wstring& exe) {
        return exists(exe) && (only.empty() || exe.find(L"\\" + only + L".exe") != std::wstring::npos);
    };
    const std::wstring floorExe = build + L"\\bench\\floor.exe";
    const std::wstring velnote = build + L"\\velnote\\velnote.exe", pingrel = build + L"\\pingrel\\pingrel.exe",
                       pingrelgui = build + L"\\pingrelgui\\pingrelgui.exe", vorlane = build + L"\\vorlane\\vorlane.exe",
                       standIn = build + L"\\e2e\\netapi-standin\\netapi32.dll";
    try {
        if (wanted(velnote)) {
            storeVelnoteList(L"Software\\Velnote\\Machine Names", L"machines", L"Machine", L"PC-");
            storeVelnoteList(L"Software\\Velnote\\Messages", L"msgs", L"message", L"Please come to meeting room ");
        }
        // One round more than asked: the first warms the caches and is not counted.
        for (int round = 0; round <= runs; ++round) {
            if (round == 1) results.clear(), order.clear();
            if (wanted(velnote)) velnoteRound(velnote, floorExe);
            if (wanted(pingrel)) pingrelRound(pingrel, floorExe);
            if (wanted(pingrelgui)) pingrelguiRound(pingrelgui, floorExe);
            if (wanted(vorlane) && exists(standIn)) vorlaneRound(vorlane, standIn, floorExe);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "store-bench: %s\n", e.what());
        report();
        return 1;
    }
    report();
    return 0;
}
