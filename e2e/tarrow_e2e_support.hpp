#pragma once
// Helpers of the Tarrow end-to-end driver (tarrow_e2e.cpp): one running
// Tarrow with its main window, the few user actions the driver library has
// no helper for (double-click, select all), the net.exe log of this driver
// run, and the date and time stamps of the status label.
#include <string>
#include <vector>

#include "automation.hpp"
#include "gtest/gtest.h"
#include "program_fixture.hpp"

namespace tarrow_e2e {

using namespace e2e;

// Every value Tarrow keeps lives in HKCU\Software\Quillon\<section>.
inline const std::wstring kApp = L"Quillon";

// Removes the net.exe log of an earlier test.
inline void freshNetLog() { clearNetLog(programDir()); }

// True when no net.exe start has been recorded within `ms` (a bounded wait
// for something that must not happen: a started recorder writes within
// milliseconds in a warm prefix).
inline bool nothingStartedWithin(DWORD ms) {
  const auto records = waitForNetRecords(programDir(), 1, ms);
  if (!records.empty()) testing::note("unexpected net.exe start: " + testing::PrintToString(records));
  return records.empty();
}

// A visible top-level window of pid with this name, or nullptr (checked once).
inline HWND visibleWindow(DWORD pid, const std::wstring& name) {
  for (HWND w : topLevelWindows(pid))
    if (IsWindowVisible(w) && nameOf(w) == name) return w;
  return nullptr;
}

// One running Tarrow on a fresh or prepared store, and its main window.
struct Tarrow : RunningProgram {
  // Tarrow starts net send where Windows has the Messenger service (XP
  // here), and so the recording net.exe beside it.
  Tarrow() {
    setWindowsVersion(L"tarrow.exe", WindowsVersion::Xp);
    start(programUnderTest(), L"justsend");
  }
  // The multi-line message box.
  HWND messageBox() const {
    HWND named = findControl(form, L"message");
    if (!named) throw std::runtime_error("no control named message in the main window");
    return named;
  }
  // After an editor that unloads the main window: the main window as loaded afresh.
  HWND waitForMain() {
    form = waitForWindow(pid(), L"justsend");
    return form;
  }
};

// Double-clicks a control at (5, 5) of its client area: the system's
// double-click message followed by the button's release, as a mouse makes
// them. Ordered before the driver's later messages, like the library's actions.
inline void doubleClick(HWND hwnd) {
  const LPARAM at = MAKELPARAM(5, 5);
  if (!SendNotifyMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at) || !SendNotifyMessageW(hwnd, WM_LBUTTONUP, 0, at))
    throw std::runtime_error("SendNotifyMessageW failed");
  sync(hwnd);
}

// Selects the whole text of a text box, so that what is typed next replaces
// it (what a user does with the mouse before retyping a field).
inline void selectAll(HWND edit) {
  setFocus(edit);
  sendBounded(edit, EM_SETSEL, 0, -1);
}

// Replaces the whole text of a text box by typing.
inline void retype(HWND edit, const std::wstring& chars) {
  selectAll(edit);
  typeText(edit, chars);
}

// The text of a status label once it equals `want`, or its last text after
// the bound: for results written after a box the driver has just answered.
inline std::wstring waitForText(HWND hwnd, const std::wstring& want) {
  std::wstring seen;
  waitUntil([&] { return (seen = text(hwnd)) == want; });
  return seen;
}

// The status label's text once it has changed from `before`.
inline std::wstring waitForChange(HWND hwnd, const std::wstring& before) {
  std::wstring seen = before;
  waitUntil([&] { return (seen = text(hwnd)) != before; });
  return seen;
}

// ---- Date and time as the user's settings write them ----

inline std::wstring shortDate(const SYSTEMTIME& t) {
  wchar_t buffer[128];
  const int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, buffer, 128);
  return n > 0 ? std::wstring(buffer, n - 1) : std::wstring();
}

inline std::wstring longTime(const SYSTEMTIME& t) {
  wchar_t buffer[128];
  const int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &t, nullptr, buffer, 128);
  return n > 0 ? std::wstring(buffer, n - 1) : std::wstring();
}

inline SYSTEMTIME localNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return t;
}

// `format` of every whole second from `from` to `to` (both local times):
// a status written between two readings of the clock is one of these.
template <class Format>
std::vector<std::wstring> stampsBetween(SYSTEMTIME from, const SYSTEMTIME& to, Format format) {
  from.wMilliseconds = 0;
  FILETIME a, b;
  SystemTimeToFileTime(&from, &a);
  SystemTimeToFileTime(&to, &b);
  ULARGE_INTEGER at{}, end{};
  at.LowPart = a.dwLowDateTime;
  at.HighPart = a.dwHighDateTime;
  end.LowPart = b.dwLowDateTime;
  end.HighPart = b.dwHighDateTime;
  std::vector<std::wstring> stamps;
  for (int guard = 0; at.QuadPart <= end.QuadPart && guard < 120; ++guard, at.QuadPart += 10000000ULL) {
    FILETIME f{at.LowPart, at.HighPart};
    SYSTEMTIME t;
    FileTimeToSystemTime(&f, &t);
    stamps.push_back(format(t));
  }
  return stamps;
}

inline bool oneOf(const std::wstring& seen, const std::vector<std::wstring>& allowed) {
  for (const auto& a : allowed)
    if (a == seen) return true;
  testing::note("got " + testing::PrintToString(seen) + ", expected one of " + testing::PrintToString(allowed));
  return false;
}

}  // namespace tarrow_e2e
