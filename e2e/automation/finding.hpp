#pragma once
// Finding a program's windows and controls by the names the programs give
// them (forms::win32::kNameProperty, a window property holding an atom).
#include <windows.h>

#include <string>
#include <vector>

#include "basics.hpp"

namespace e2e {

// The name a program gave a window ("Form1", "Text4"), "" when it has none.
std::wstring nameOf(HWND hwnd);
std::wstring className(HWND hwnd);
// Caption by GetWindowTextW (fine for top-level windows of any process),
// read after the window has handled the driver's earlier messages.
std::wstring caption(HWND hwnd);

// Top-level windows of a process, visible or not.
std::vector<HWND> topLevelWindows(DWORD pid);
// The top-level window of pid named `name`, visible or hidden; nullptr if none.
HWND findWindow(DWORD pid, const std::wstring& name);
// Waits for a visible top-level window of pid named `name`; nullptr on timeout.
HWND waitForWindow(DWORD pid, const std::wstring& name, DWORD timeoutMs = kTimeoutMs);
// Waits for a visible top-level window of pid with exactly this caption.
HWND waitForWindowByCaption(DWORD pid, const std::wstring& text, DWORD timeoutMs = kTimeoutMs);
// Waits for any visible top-level window of pid (the first one found).
HWND waitForAnyWindow(DWORD pid, DWORD timeoutMs = kTimeoutMs);

// A descendant of `top` named `name`, or nullptr.
HWND findControl(HWND top, const std::wstring& name);
// Same, but throws std::runtime_error naming the control when it is absent.
HWND control(HWND top, const std::wstring& name);

}  // namespace e2e
