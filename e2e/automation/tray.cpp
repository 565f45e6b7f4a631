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

namespace {

// The text a tooltip of the shell holds for the tool that is the icon's
// window (TTF_IDISHWND); "" when it has no such tool. The tool structure
// and the buffer must lie in the shell's memory, the structure laid out for
// the shell's bitness, which need not be the driver's (a 32-bit driver in a
// 64-bit prefix meets a 64-bit explorer).
std::wstring textForIcon(HWND tooltip, HWND icon, size_t maxChars) {
  constexpr size_t kTextOffset = 256;  // past the tool structure of either bitness
  RawTargetMemory memory(tooltip, kTextOffset + maxChars * sizeof(wchar_t));
  const uint64_t text = memory.address(kTextOffset);
  if (memory.targetIs64Bit()) {
    const auto tool = toolOfWindow<ToolInfo64>(icon, text);
    memory.write(0, &tool, sizeof tool);
  } else {
    const auto tool = toolOfWindow<ToolInfo32>(icon, text);
    memory.write(0, &tool, sizeof tool);
  }
  const std::wstring empty(maxChars, L'\0');
  memory.write(kTextOffset, empty.data(), maxChars * sizeof(wchar_t));
  sendBounded(tooltip, TTM_GETTEXTW, maxChars, memory.param());
  return memory.readText(kTextOffset, maxChars);
}

// The shell's tooltips (top-level windows of its process): the tip's, or
// the balloon's (balloon style).
std::vector<HWND> shellTooltips(HWND icon, bool balloons) {
  DWORD shell = 0;
  if (!GetWindowThreadProcessId(icon, &shell)) fail("the tray icon window is gone");
  std::vector<HWND> found;
  for (HWND tooltip : topLevelWindows(shell))
    if (className(tooltip) == TOOLTIPS_CLASSW && ((GetWindowLongW(tooltip, GWL_STYLE) & TTS_BALLOON) != 0) == balloons)
      found.push_back(tooltip);
  return found;
}

}  // namespace

std::wstring trayIconTip(HWND icon) {
  constexpr size_t kMaxChars = 128;  // a tip's length limit, NUL included
  for (HWND tooltip : shellTooltips(icon, false)) {
    std::wstring tip = textForIcon(tooltip, icon, kMaxChars);
    if (!tip.empty()) return tip;
  }
  return {};
}

std::optional<std::wstring> waitForTrayBalloon(HWND icon, DWORD timeoutMs) {
  constexpr size_t kMaxChars = 256;  // a balloon text's length limit, NUL included
  std::optional<std::wstring> found;
  waitUntil(
      [&] {
        for (HWND tooltip : shellTooltips(icon, true)) {
          if (!IsWindowVisible(tooltip)) continue;
          std::wstring text = textForIcon(tooltip, icon, kMaxChars);
          if (!text.empty()) {
            found = text;
            return true;
          }
        }
        return false;
      },
      timeoutMs, 100);
  return found;
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
