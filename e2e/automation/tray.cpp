// The notification area: see tray.hpp.
#include "tray.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "internal.hpp"
#include "reading.hpp"
#include "tool_info_layouts.hpp"

namespace e2e {

namespace {

// The button flag a mouse message carries while its button is down.
WPARAM keysOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return MK_LBUTTON;
    case WM_RBUTTONDOWN: return MK_RBUTTON;
    case WM_MBUTTONDOWN: return MK_MBUTTON;
    default: return 0;
  }
}

}  // namespace

HWND trayWindow() { return FindWindowW(L"__winex11_standalone_tray", nullptr); }

std::vector<HWND> trayIcons() {
  std::vector<HWND> icons;
  HWND tray = trayWindow();
  if (!tray) return icons;
  for (HWND child : children(tray))
    if (GetParent(child) == tray && IsWindowVisible(child)) icons.push_back(child);
  return icons;
}

HWND waitForNewTrayIcon(const std::vector<HWND>& before, DWORD timeoutMs) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND icon : trayIcons())
          if (std::find(before.begin(), before.end(), icon) == before.end()) {
            found = icon;
            return true;
          }
        return false;
      },
      timeoutMs);
  return found;
}

bool trayIconShown(HWND icon) { return IsWindow(icon) && IsWindowVisible(icon); }

bool waitForTrayIconGone(HWND icon, DWORD timeoutMs) {
  return waitUntil([&] { return !trayIconShown(icon); }, timeoutMs);
}

// The shell's tooltips are top-level windows of its process; the one that
// knows the icon's window as a tool (by the window itself, TTF_IDISHWND)
// answers TTM_GETTEXTW with the tip. The tool structure and the buffer must
// lie in the shell's memory, the structure laid out for the shell's
// bitness, which need not be the driver's (a 32-bit driver in a 64-bit
// prefix meets a 64-bit explorer).
std::wstring trayIconTip(HWND icon) {
  DWORD shell = 0;
  if (!GetWindowThreadProcessId(icon, &shell)) fail("the tray icon window is gone");
  constexpr size_t kTextOffset = 256;  // past the tool structure of either bitness
  constexpr size_t kMaxChars = 128;    // a tip's length limit, NUL included
  for (HWND tooltip : topLevelWindows(shell)) {
    if (className(tooltip) != TOOLTIPS_CLASSW) continue;
    RawTargetMemory memory(tooltip, kTextOffset + kMaxChars * sizeof(wchar_t));
    const uint64_t text = memory.address(kTextOffset);
    if (memory.targetIs64Bit()) {
      const auto tool = toolOfWindow<ToolInfo64>(icon, text);
      memory.write(0, &tool, sizeof tool);
    } else {
      const auto tool = toolOfWindow<ToolInfo32>(icon, text);
      memory.write(0, &tool, sizeof tool);
    }
    const std::wstring empty(kMaxChars, L'\0');
    memory.write(kTextOffset, empty.data(), kMaxChars * sizeof(wchar_t));
    sendBounded(tooltip, TTM_GETTEXTW, kMaxChars, memory.param());
    std::wstring tip = memory.readText(kTextOffset, kMaxChars);
    if (!tip.empty()) return tip;
  }
  return {};
}

void trayMouse(HWND icon, std::initializer_list<UINT> messages) {
  RECT r{};
  if (!GetClientRect(icon, &r)) fail(errorText("GetClientRect on the tray icon"));
  const LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
  for (UINT message : messages) notify(icon, message, keysOf(message), centre);
  // The shell relays each message to the owner as it handles it (a sent
  // message that is not waited for): once it has answered this, the relayed
  // messages are queued at the owner ahead of the driver's next one.
  if (!sync(icon)) fail("the tray icon went while the driver clicked it");
}

void clickTrayIcon(HWND icon) { trayMouse(icon, {WM_LBUTTONDOWN, WM_LBUTTONUP}); }
void rightClickTrayIcon(HWND icon) { trayMouse(icon, {WM_RBUTTONDOWN, WM_RBUTTONUP}); }

}  // namespace e2e
