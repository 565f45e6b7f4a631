#pragma once
// Shared pieces of Velnote's end-to-end driver: one running Velnote with its
// main window and icon, the texts a user sees, and the few user actions the
// driver library does not offer (list-box clicks, the icon's pop-up menu,
// colours on the screen).
#include <algorithm>
#include <string>
#include <vector>

#include "automation.hpp"
#include "gtest/gtest.h"
#include "program_fixture.hpp"

namespace velnote_e2e {

using namespace e2e;

// ---- What Velnote shows -------------------------------------------------

inline const std::wstring kApp = L"Velnote";
inline const std::wstring kSelectMachine = L"- Select Machine Name -";
inline const std::wstring kPleaseSelect = L"-Please select-";
inline const std::wstring kSelectMessage = L"- Select Message -";
inline const std::vector<std::wstring> kSampleMessages = {
    L"Please come here",    L"Meeting is at ",      L"What are you doing ??",
    L"I am leaving...Bye", L"When r u leaving ??", L"please mail me the ...!"};
inline const std::wstring kFarewellText = L"Thank you for using Velnote !!!\r\nHave a nice day !!";
inline const std::wstring kFarewellTitle = L"Velnote - Exit";

// The notification-area icon's tip.
inline const std::wstring kTrayTip = L"Velnote 1.1.5";

// ---- The program ----------------------------------------------------------

// Removes every value Velnote keeps, so that a test starts from a first run.
inline void freshStore() { regDeleteApp(kApp); }

// One running Velnote (started with an empty net.exe log), its main window
// and its icon in the notification area, as the shell shows it. On XP, the
// system with the Messenger service, it sends with net send; on 10 it
// delivers messages itself.
struct Velnote : RunningProgram {
  HWND icon = nullptr;

  explicit Velnote(WindowsVersion version = WindowsVersion::Xp) {
    setWindowsVersion(L"velnote.exe", version);
    clearNetLog(programDir());
    const std::vector<HWND> iconsBefore = trayIcons();
    start(programUnderTest(), L"Form1");
    // The window shows before start-up has filled its lists, and the
    // program answers the driver's messages before start-up is over (while
    // it waits for the shell to add the tray icon): read at once, the lists
    // were seen empty, and a name typed at once was emptied again by the
    // filling. waitForIdle (WaitForInputIdle) alone did not cover it. So
    // wait, as a user would, until the window is ready: start-up's last step
    // selects "- Select Message -" in the message list.
    process.waitForIdle(20000);
    HWND messages = control(form, L"combo2");
    const bool ready = waitUntil([&] { return comboSelectedText(messages) == kSelectMessage; }, 20000);
    require(ready, "start-up did not end with \"- Select Message -\" selected in combo2");
    require(sync(form), "Form1 does not answer");
    // Start-up added the icon: the shell shows a new one.
    icon = waitForNewTrayIcon(iconsBefore);
    require(icon != nullptr, "no new icon appeared in the notification area");
  }
};

// ---- Checks that read more than one thing -------------------------------

// A sorted copy, for comparing stored entries as a set: Wine hands the
// registry's values back sorted by name, Windows in creation order.
inline std::vector<std::wstring> sorted(std::vector<std::wstring> items) {
  std::sort(items.begin(), items.end());
  return items;
}

// The message box that pid shows now (waited for, bounded), read whole.
inline MessageBoxView expectBox(DWORD pid) {
  HWND box = waitForMessageBox(pid);
  require(box != nullptr, "no message box appeared");
  return readMessageBox(box);
}

// ---- List boxes (the editors' lists) ----------------------------------------

inline int listSelection(HWND list) { return static_cast<int>(sendBounded(list, LB_GETCURSEL)); }

// Clicks (or double-clicks) a list-box item with the left mouse button at the
// item's middle. The mouse messages go to the list as sent-notify messages:
// ordered before the driver's later messages, and not waited for, so a
// handler that opens a box does not block the driver.
inline void clickListItem(HWND list, const std::wstring& itemText, bool twice = false) {
  const auto items = listItems(list);
  const auto at = std::find(items.begin(), items.end(), itemText);
  if (at == items.end()) throw std::runtime_error("the list holds no item \"" + narrow(itemText) + "\"");
  const int index = static_cast<int>(at - items.begin());
  const int height = static_cast<int>(sendBounded(list, LB_GETITEMHEIGHT, 0));
  const int top = static_cast<int>(sendBounded(list, LB_GETTOPINDEX));
  const LPARAM point = MAKELPARAM(6, (index - top) * height + height / 2);
  auto deliver = [&](UINT msg, WPARAM keys) {
    if (!SendNotifyMessageW(list, msg, keys, point)) throw std::runtime_error("SendNotifyMessageW failed");
  };
  deliver(WM_LBUTTONDOWN, MK_LBUTTON);
  deliver(WM_LBUTTONUP, 0);
  if (twice) {
    deliver(WM_LBUTTONDBLCLK, MK_LBUTTON);
    deliver(WM_LBUTTONUP, 0);
  }
}

// ---- The icon's pop-up menu ---------------------------------------------

// The visible pop-up menu (#32768) of pid, waited for; nullptr when none came.
inline HWND waitForPopupMenu(DWORD pid) {
  HWND found = nullptr;
  waitUntil([&] {
    for (HWND w : topLevelWindows(pid))
      if (IsWindowVisible(w) && className(w) == L"#32768") {
        found = w;
        return true;
      }
    return false;
  });
  return found;
}

// Picks the item at `position` (0 the first) of an open pop-up menu as the
// keyboard does: nothing is preselected, so position + 1 Down keys, then
// Enter; waits (bounded) until the menu has closed.
inline bool pickPopupItem(HWND menu, int position) {
  auto key = [&](WPARAM vk) {
    PostMessageW(menu, WM_KEYDOWN, vk, 1);
    PostMessageW(menu, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
  };
  for (int i = 0; i <= position; ++i) key(VK_DOWN);
  key(VK_RETURN);
  return waitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); });
}

// ---- Colours on the screen ------------------------------------------------

// The colour on the screen at a point of the window's client area.
inline COLORREF clientPixel(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return color;
}

// Waits (bounded) until the client point shows `want`; returns what it shows.
inline COLORREF waitForPixel(HWND hwnd, int x, int y, COLORREF want) {
  COLORREF seen = CLR_INVALID;
  waitUntil([&] { return (seen = clientPixel(hwnd, x, y)) == want; }, kTimeoutMs, 20);
  return seen;
}

// "red, green, blue" of a COLORREF, for readable failures.
inline std::string rgbText(COLORREF c) {
  if (c == CLR_INVALID) return "no colour";
  return std::to_string(GetRValue(c)) + ", " + std::to_string(GetGValue(c)) + ", " + std::to_string(GetBValue(c));
}

}  // namespace velnote_e2e
