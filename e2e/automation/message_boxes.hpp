#pragma once
// Message boxes of another process: finding, reading and answering them.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "basics.hpp"

namespace e2e {

enum class BoxIcon { None, Error, Warning, Information, Question, Unknown };
std::ostream& operator<<(std::ostream& out, BoxIcon icon);

struct BoxButton {
  int id;             // IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7, ...
  std::wstring text;  // "OK", "&Yes", ...
};

struct MessageBoxView {
  HWND hwnd = nullptr;
  std::wstring caption;
  std::wstring text;
  BoxIcon icon = BoxIcon::Unknown;
  std::vector<BoxButton> buttons;
  std::vector<int> buttonIds() const;
};

// Waits for a visible message box (top-level #32770 holding a 0xFFFF text
// static) of process pid; nullptr on timeout.
HWND waitForMessageBox(DWORD pid, DWORD timeoutMs = kTimeoutMs);
// Reads a box: caption, text, buttons, and its icon (compared by pixels with
// the system's standard icons; polls until the drawing matches one).
MessageBoxView readMessageBox(HWND box);
// Presses the button with this id and waits until the box has gone.
// Returns false when there is no such button or the box stays.
bool pressBoxButton(HWND box, int id, DWORD timeoutMs = kTimeoutMs);
// True when pid shows no message box (checked once).
bool noMessageBox(DWORD pid);

}  // namespace e2e
