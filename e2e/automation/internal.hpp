#pragma once
// Helpers the driver library's files share among themselves; drivers do not
// include this header.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "basics.hpp"
#include "finding.hpp"
#include "message_boxes.hpp"
#include "target_memory.hpp"

namespace e2e {

// Throws std::runtime_error: the running test fails with this text.
[[noreturn]] void fail(const std::string& what);
// "<call> failed, error <GetLastError()>".
std::string errorText(const char* call);
// Sends without waiting, ordered before any later message of the driver
// (SendNotifyMessageW); throws when it cannot be sent.
void notify(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
std::wstring lower(std::wstring s);

// All descendants, grandchildren included (EnumChildWindows walks them all).
std::vector<HWND> children(HWND parent);

// First visible top-level window of pid that satisfies pred, waited for.
template <class Pred>
HWND waitForTopLevel(DWORD pid, DWORD timeoutMs, Pred pred) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND w : topLevelWindows(pid))
          if (IsWindowVisible(w) && pred(w)) {
            found = w;
            return true;
          }
        return false;
      },
      timeoutMs);
  return found;
}

// Which standard icon an SS_ICON static shows, by its pixels on the screen
// (screenshots.cpp); Unknown when it matches none.
BoxIcon iconShown(HWND iconStatic);

}  // namespace e2e
