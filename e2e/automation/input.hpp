#pragma once
// Acting on another process's windows as a user would: clicks, picks,
// closing, focus and typed keys.
#include <windows.h>

#include <string>

namespace e2e {

// Each action is delivered so that the target handles it before any message
// the driver sends afterwards (SendNotifyMessage: ordered, but it does not
// wait, so a handler that opens a modal box does not block the driver).

// Clicks a button (BM_CLICK); the focus moves to it.
void click(HWND button);
// Picks a combo item: CB_SETCURSEL, then CBN_SELCHANGE to its parent.
void pickComboItem(HWND combo, int index);
// Picks the item with exactly this text; throws when there is none.
void pickComboItem(HWND combo, const std::wstring& itemText);
// Closes a window as its close box would (WM_CLOSE).
void closeWindow(HWND hwnd);

// Brings `control`'s window to the front and gives the focus to `control`.
void setFocus(HWND control);
// Focuses `control` and types `chars` with SendInput (Unicode key events;
// '\n' is the Enter key, '\t' the Tab key). Returns when the target has
// taken every key from its queue.
void typeText(HWND control, const std::wstring& chars);
// Focuses `control` and presses one virtual key (VK_RETURN, VK_ESCAPE,
// VK_BACK, VK_TAB, VK_F1, VK_UP, ...).
void pressKey(HWND control, WORD vk);
// Focuses `control` and presses Ctrl + one virtual key (a menu shortcut
// such as Ctrl+S, or the clipboard's Ctrl+V).
void pressCtrlKey(HWND control, WORD vk);
// Presses one virtual key in whatever has the focus in `top`'s thread
// (after a focus move by the program itself, or inside an open menu).
void pressKeyInFocus(HWND top, WORD vk);
// Opens the menu bar of `top` by keyboard: Alt + keys[0], then each further
// letter as a plain key press (a mnemonic inside the opened menu).
void menuKeys(HWND top, const std::wstring& keys);

}  // namespace e2e
