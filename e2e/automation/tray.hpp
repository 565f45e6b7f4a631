#pragma once
// The notification area as the shell shows it, for driving a program's icon
// through the shell. Under Wine without a desktop tray, explorer shows the
// icons in a top-level window of class __winex11_standalone_tray, each icon a
// child window of it, its tip held by a tooltip of explorer's. Mouse
// messages delivered to an icon's window reach the icon's owner through the
// callback message it registered, as a user's clicks do.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "basics.hpp"

namespace e2e {

// The shell's window of icons; nullptr when there is none.
HWND trayWindow();
// The windows of the icons shown now.
std::vector<HWND> trayIcons();
// Waits for an icon that is not among `before`: the one a program started
// after `before` was taken has added (the shell does not tell the owner of
// an icon, so a driver starts one program at a time). nullptr on timeout.
HWND waitForNewTrayIcon(const std::vector<HWND>& before, DWORD timeoutMs = kTimeoutMs);
// Whether the icon is shown now.
bool trayIconShown(HWND icon);
// Waits until the icon is no longer shown.
bool waitForTrayIconGone(HWND icon, DWORD timeoutMs = kTimeoutMs);
// The icon's tip as its tooltip holds it; "" when it has none. Read through
// memory in the shell's process, laid out for the shell's bitness: a driver
// of either bitness reads it (in a 64-bit prefix the shell is 64-bit).
std::wstring trayIconTip(HWND icon);

// The text of the balloon the shell shows for the icon, waited for:
// explorer shows one about 2 s after it was asked, as a balloon tooltip of
// its own, for 10 s or more; it is read as the tip is. nullopt when none
// came in time. Its title and icon are not read: asked with TTM_GETTITLE,
// Wine 8.0's balloon left both empty.
std::optional<std::wstring> waitForTrayBalloon(HWND icon, DWORD timeoutMs = 3 * kTimeoutMs);

// Delivers mouse messages (WM_LBUTTONDOWN, WM_MOUSEMOVE, ...) to the icon at
// its centre, in order, and returns once the shell has passed them on: the
// owner handles them before any later message of the driver.
void trayMouse(HWND icon, std::initializer_list<UINT> messages);
// Left or right button down and up over the icon.
void clickTrayIcon(HWND icon);
void rightClickTrayIcon(HWND icon);

}  // namespace e2e
