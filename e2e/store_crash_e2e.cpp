// Crash safety of the text-file stores, with the real programs under Wine (or
// Windows): Pingrel (a delete through its store window) and PingrelGUI (a
// remove from its address book) are killed by their process ids at moments
// spread over the rewrite of a large store, round after round. Each time the
// store must read as it was or as it was meant to be after, byte for byte,
// never partial and never missing; and after the next start no temporary
// file may be left beside it. The driver runs the flow of the program it is
// given (--program=<pingrel.exe or pingrelgui.exe>).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "program_fixture.hpp"

using namespace e2e;

namespace {

constexpr int kRounds = 24;
constexpr int kEntries = 4000;  // of about 250 bytes each: a store of about 1 MB

void writeBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  require(file != INVALID_HANDLE_VALUE, "creating " + narrow(path));
  DWORD written = 0;
  require(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr),
          "writing " + narrow(path));
  CloseHandle(file);
}

long long fileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::wstring lowerFileName(const std::wstring& path) {
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  std::transform(name.begin(), name.end(), name.begin(), ::towlower);
  return name;
}

// Every file in the folder but the program, net.exe and the store.
std::vector<std::wstring> strayFiles(const std::wstring& dir, const std::wstring& store) {
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return found;
  do {
    std::wstring name = data.cFileName;
    if (name == L"." || name == L".." || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    std::wstring lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::towlower);
    if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, L".exe") == 0) continue;
    if (lower == lowerFileName(store) || lower == L"net-log.txt") continue;
    found.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return found;
}

// A store of kEntries lines, each made by `line`, CR LF after each.
std::vector<std::string> storeLines(const std::function<std::string(int)>& line) {
  std::vector<std::string> lines;
  for (int i = 0; i < kEntries; ++i) lines.push_back(line(i));
  return lines;
}

std::string joined(const std::vector<std::string>& lines, int without = -1) {
  std::string text;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
    if (i != without) text += lines[static_cast<size_t>(i)] + "\r\n";
  return text;
}

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void spinUntil(double deadline) {
  while (nowMs() < deadline) Sleep(0);
}

// One program's part: how it is started up to the moment before the change,
// how the change is set off without waiting for it, and when it is ready again
// after a start.
struct Flow {
  const wchar_t* formName;
  std::wstring store;                       // the store file's name
  std::function<void(HWND form)> prepare;   // up to the moment before the change
  std::function<void(HWND form)> setOff;    // the change, posted: the driver goes on at once
  std::function<bool(HWND form, const std::string& bytes)> showsStore;  // after a start
};

// Round 0 measures how long the change takes unhindered; each later round
// kills the program at its own moment from the first instant to half as long
// again as the change took, then starts it again.
void killRounds(const Flow& flow, const std::string& before, const std::string& after) {
  const std::wstring exe = programUnderTest();
  const std::wstring dir = folderOf(exe);
  const std::wstring store = dir + L"\\" + flow.store;
  double took = 0;
  int asBefore = 0, asAfter = 0, caughtWriting = 0;
  for (int round = 0; round <= kRounds; ++round) {
    writeBytes(store, before);
    Process process = Process::start(exe);
    HWND form = waitForWindow(process.id(), flow.formName, 20000);
    ASSERT_TRUE(form != nullptr);
    flow.prepare(form);
    const double start = nowMs();
    if (round == 0) {
      flow.setOff(form);
      ASSERT_TRUE(waitUntil([&] { return fileSize(store) == static_cast<long long>(after.size()); }, 20000, 1));
      took = nowMs() - start;
      EXPECT_EQ(fileBytes(store), after);
      process.kill();
      testing::note("the change took " + std::to_string(static_cast<int>(took)) + " ms unhindered");
      continue;
    }
    flow.setOff(form);
    spinUntil(start + took * 1.5 * (round - 1) / (kRounds - 1));
    process.kill();
    ASSERT_TRUE(!process.running());

    const std::string found = fileBytes(store);
    const bool whole = found == before || found == after;
    EXPECT_TRUE(whole);
    if (!whole) testing::note("round " + std::to_string(round) + ": the store holds " + std::to_string(found.size()) +
                              " bytes, neither " + std::to_string(before.size()) + " nor " +
                              std::to_string(after.size()));
    asBefore += found == before;
    asAfter += found == after;
    caughtWriting += !strayFiles(dir, flow.store).empty();

    // The next start: nothing but the store beside the program, and the store as found.
    Process next = Process::start(exe);
    HWND nextForm = waitForWindow(next.id(), flow.formName, 20000);
    ASSERT_TRUE(nextForm != nullptr);
    EXPECT_TRUE(waitUntil([&] { return flow.showsStore(nextForm, found); }, 10000));
    const std::vector<std::wstring> stray = strayFiles(dir, flow.store);
    EXPECT_TRUE(stray.empty());
    for (const std::wstring& name : stray) testing::note("left after the next start: " + narrow(name));
    next.kill();
  }
  testing::note(std::to_string(kRounds) + " kills: the store as before " + std::to_string(asBefore) + ", as after " +
                std::to_string(asAfter) + "; killed while the temporary file was being written: " +
                std::to_string(caughtWriting));
  EXPECT_EQ(asBefore + asAfter, kRounds);
  // The moments spread over the change: some kills came before it, some after.
  EXPECT_TRUE(asBefore > 0);
  EXPECT_TRUE(asAfter > 0);
}

int listBoxCount(HWND list) { return static_cast<int>(sendBounded(list, LB_GETCOUNT)); }

int lineCount(const std::string& bytes) {
  return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
}

}  // namespace

TEST(StoreCrash, pingrel_killed_while_deleting_from_a_large_store_keeps_it_whole) {
  if (lowerFileName(programUnderTest()) != L"pingrel.exe") {
    testing::note("skipped: this run is for " + narrow(lowerFileName(programUnderTest())));
    return;
  }
  const std::vector<std::string> lines = storeLines([](int i) {
    char name[16];
    std::snprintf(name, sizeof name, "PC%05d", i);
    return std::string(name) + "\t\tdesk " + std::to_string(i) + ", " + std::string(230, 'a' + i % 26);
  });
  Flow flow;
  flow.formName = L"MDIPingrel";
  flow.store = L"network.txt";
  // The store window lists the store; the second entry is selected.
  flow.prepare = [](HWND frame) {
    HWND main = nullptr;
    require(waitUntil([&] { return (main = findControl(frame, L"frmMain")) != nullptr && isVisible(main); }, 10000),
            "waiting for frmMain");
    click(control(main, L"cmdOpenStore"));
    HWND list = nullptr;
    require(waitUntil([&] { return (list = findControl(frame, L"lstComputers")) != nullptr; }, 10000),
            "waiting for lstComputers");
    require(waitUntil([&] { return listBoxCount(list) == kEntries; }, 10000), "waiting for the store's entries");
    sendBounded(list, LB_SETCURSEL, 1);
    sendBounded(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                reinterpret_cast<LPARAM>(list));
  };
  flow.setOff = [](HWND frame) {
    PostMessageW(findControl(frame, L"lstComputers"), WM_KEYDOWN, VK_DELETE, 1);
  };
  // The main window shows once its start (which removes what a crash left) is over.
  flow.showsStore = [](HWND frame, const std::string&) {
    HWND main = findControl(frame, L"frmMain");
    return main != nullptr && isVisible(main);
  };
  killRounds(flow, joined(lines), joined(lines, 1));
}

TEST(StoreCrash, pingrelgui_killed_while_saving_a_large_book_keeps_it_whole) {
  if (lowerFileName(programUnderTest()) != L"pingrelgui.exe") {
    testing::note("skipped: this run is for " + narrow(lowerFileName(programUnderTest())));
    return;
  }
  // The book's separator "¬" is the byte 0xAC in code page 1252.
  testing::note("ANSI code page " + std::to_string(GetACP()));
  ASSERT_TRUE(GetACP() == 1252);
  const std::vector<std::string> lines = storeLines([](int i) {
    return "user" + std::to_string(i) + "\xAC" + "room " + std::to_string(i) + " " + std::string(230, 'a' + i % 26);
  });
  Flow flow;
  flow.formName = L"wMain";
  flow.store = L"AddressBook.txt";
  flow.prepare = [](HWND form) {
    require(waitUntil([&] { return listViewItemCount(control(form, L"lvwAddressBook")) == kEntries; }, 10000),
            "waiting for the book's entries");
  };
  // Remove takes the selected entry, the first after a start, and saves the book.
  flow.setOff = [](HWND form) { click(control(form, L"cmdRemove")); };
  flow.showsStore = [](HWND form, const std::string& bytes) {
    return listViewItemCount(control(form, L"lvwAddressBook")) == lineCount(bytes);
  };
  killRounds(flow, joined(lines), joined(lines, 0));
}
