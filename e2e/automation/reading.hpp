#pragma once
// Reading what a user sees in another process's controls.
#include <windows.h>

#include <string>
#include <vector>

#include "basics.hpp"

namespace e2e {

// Waits (bounded) until the thread owning hwnd has handled every message the
// driver sent it before. Readings that do not go through the target's
// messages (focus, visibility, enabled state) call it first, so they see the
// effect of the driver's last action. False when the window is gone.
bool sync(HWND hwnd);

// Text by WM_GETTEXT (marshalled across processes). On a status bar this is
// the text of its first part.
std::wstring text(HWND hwnd);
bool isVisible(HWND hwnd);
bool isEnabled(HWND hwnd);

int comboCount(HWND combo);
std::wstring comboItem(HWND combo, int index);
std::vector<std::wstring> comboItems(HWND combo);
// Index of the selected item, -1 for none.
int comboSelection(HWND combo);
// The items of a list box (its messages are marshalled across processes).
std::vector<std::wstring> listItems(HWND list);
// Text of the selected item, "" for none.
std::wstring comboSelectedText(HWND combo);

// The window holding the keyboard focus in the thread that owns `top`.
HWND focusedWindow(HWND top);
// Name of the focused window, or of its nearest named ancestor (the focus
// may sit in an unnamed inner part of a control); "" when none.
std::wstring focusedName(HWND top);

// ---- List views (report view) and status bars ------------------------------
// Their text messages take a pointer, which the system does not carry across
// processes: these helpers put the structure and the text buffer into the
// target's memory. They throw when the target's bitness differs from the
// driver's (the structures are laid out for the driver's own).

int listViewItemCount(HWND list);
// Text of an item (column 0) or of its sub-item in `column`.
std::wstring listViewItemText(HWND list, int item, int column = 0);
// Index of the first selected item, -1 for none.
int listViewSelection(HWND list);
int listViewColumnCount(HWND list);
std::wstring listViewColumnText(HWND list, int column);
// Clicks a column's header as the mouse does (button down and up at the
// header item's centre), which raises the list's real LVN_COLUMNCLICK; the
// system does not carry that notification to another process, so it cannot
// be sent directly. Ordered like the other actions (see input.hpp).
void clickListViewColumn(HWND list, int column);

// Number of parts of a status bar.
int statusPartCount(HWND bar);
// Text of part `part` (0 the first).
std::wstring statusPartText(HWND bar, int part);
// Rectangle of part `part` in the bar's client area.
RECT statusPartRect(HWND bar, int part);

}  // namespace e2e
