// Acting as a user: see input.hpp.
#include "input.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "internal.hpp"
#include "reading.hpp"
#include "staging.hpp"

namespace e2e {

namespace {

INPUT keyInput(WORD vk, WORD scan, DWORD flags) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = scan;
  in.ki.dwFlags = flags;
  return in;
}

bool isExtendedKey(WORD vk) {
  switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE: case VK_DIVIDE:
    case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

void addVirtualKey(std::vector<INPUT>& inputs, WORD vk, bool down) {
  DWORD flags = down ? 0 : KEYEVENTF_KEYUP;
  if (isExtendedKey(vk)) flags |= KEYEVENTF_EXTENDEDKEY;
  inputs.push_back(keyInput(vk, static_cast<WORD>(MapVirtualKeyW(vk, 0)), flags));
}

void addKeyPress(std::vector<INPUT>& inputs, WORD vk) {
  addVirtualKey(inputs, vk, true);
  addVirtualKey(inputs, vk, false);
}

void addCharacter(std::vector<INPUT>& inputs, wchar_t c) {
  inputs.push_back(keyInput(0, c, KEYEVENTF_UNICODE));
  inputs.push_back(keyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
}

void sendInputs(std::vector<INPUT>& inputs) {
  if (inputs.empty()) return;
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) fail(errorText("SendInput"));
}

// Attaches the driver's thread to the input of the thread owning `top` for
// its lifetime, so that SetFocus may reach that thread's windows.
class AttachedInput {
 public:
  explicit AttachedInput(HWND top)
      : me_(GetCurrentThreadId()), target_(GetWindowThreadProcessId(top, nullptr)) {
    if (!target_) fail("window " + std::to_string(reinterpret_cast<uintptr_t>(top)) + " is gone");
    attached_ = target_ != me_ && AttachThreadInput(me_, target_, TRUE);
  }
  ~AttachedInput() {
    if (attached_) AttachThreadInput(me_, target_, FALSE);
  }
  AttachedInput(const AttachedInput&) = delete;
  AttachedInput& operator=(const AttachedInput&) = delete;

 private:
  DWORD me_;
  DWORD target_;
  bool attached_ = false;
};

// Tells when the thread owning `top` has taken every key sent so far.
// It hooks that thread's keyboard (e2e-input-hook.dll beside the driver, of
// the driver's bitness), sends the hook's marker key after the typed keys
// and waits for the hook's event. Watching a key's state (GetKeyState with
// attached input) was not reliable under Wine: Wine also sets the key state
// from the X server's real keyboard, which releases a sent Shift. A posted
// message cannot serve as the marker: a thread takes posted messages before
// queued input.
class InputMarker {
 public:
  explicit InputMarker(HWND top) : thread_(GetWindowThreadProcessId(top, nullptr)) {
    static HMODULE dll = LoadLibraryW((driverDir() + L"\\e2e-input-hook.dll").c_str());
    const auto proc =
        dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "e2eKeyHook"))) : nullptr;
    if (!proc) fail("e2e-input-hook.dll is missing beside the driver");
    event_ = CreateEventW(nullptr, FALSE, FALSE, (L"e2e-input-taken-" + std::to_wstring(thread_)).c_str());
    hook_ = SetWindowsHookExW(WH_KEYBOARD, proc, dll, thread_);
    if (!event_ || !hook_) fail(errorText("SetWindowsHookExW"));
  }
  ~InputMarker() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (event_) CloseHandle(event_);
  }
  InputMarker(const InputMarker&) = delete;
  InputMarker& operator=(const InputMarker&) = delete;

  // Sends the marker after the keys already sent and waits until it is taken.
  void waitTaken() {
    std::vector<INPUT> marker;
    addKeyPress(marker, kMarkerKey);
    sendInputs(marker);
    if (WaitForSingleObject(event_, kTimeoutMs) != WAIT_OBJECT_0)
      fail("the target did not take the typed keys from its queue within " + std::to_string(kTimeoutMs) + " ms");
  }

 private:
  static constexpr WORD kMarkerKey = 0x88;  // the hook's marker: an unassigned key
  DWORD thread_;
  HANDLE event_ = nullptr;
  HHOOK hook_ = nullptr;
};

// Makes `top` the foreground window, unless a window of its thread (its own
// message box, say) already is, and waits until Wine has made the switch:
// keys sent while no window is in front are lost.
void bringToFront(HWND top) {
  const DWORD thread = GetWindowThreadProcessId(top, nullptr);
  // A window that cannot take the front itself (hidden, or disabled under a
  // modal box) counts as in front when a window of its thread is.
  const auto inFront = [&] {
    HWND front = GetForegroundWindow();
    if (front == top) return true;
    const bool canLead = IsWindowVisible(top) && IsWindowEnabled(top);
    return !canLead && front && GetWindowThreadProcessId(front, nullptr) == thread;
  };
  if (!waitUntil([&] {
        if (inFront()) return true;
        SetForegroundWindow(top);
        return false;
      }))
    fail("could not bring window " + narrow(nameOf(top)) + " to the front");
}

}  // namespace

void click(HWND button) { notify(button, BM_CLICK, 0, 0); }

void pickComboItem(HWND combo, int index) {
  if (sendBounded(combo, CB_SETCURSEL, index, 0) == CB_ERR && index >= 0)
    fail("combo has no item " + std::to_string(index));
  const int id = GetDlgCtrlID(combo);
  notify(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void pickComboItem(HWND combo, const std::wstring& itemText) {
  const auto items = comboItems(combo);
  const auto at = std::find(items.begin(), items.end(), itemText);
  if (at == items.end()) fail("combo has no item \"" + narrow(itemText) + "\"");
  pickComboItem(combo, static_cast<int>(at - items.begin()));
}

void closeWindow(HWND hwnd) { notify(hwnd, WM_CLOSE, 0, 0); }

void setFocus(HWND target) {
  HWND top = GetAncestor(target, GA_ROOT);
  AttachedInput attached(top);
  bringToFront(top);
  // An editable combo hands the focus on to the edit field inside it.
  const auto onTarget = [&] {
    HWND focused = focusedWindow(top);
    return focused == target || (focused && IsChild(target, focused));
  };
  // When another window of the program has just closed, its activation of
  // this window may still be under way and then gives the focus back to the
  // control the window remembers; so ask again until the focus stays put.
  int steady = 0;
  if (!waitUntil(
          [&] {
            if (onTarget()) return ++steady >= 2;
            steady = 0;
            if (GetForegroundWindow() != top && IsWindowEnabled(top)) SetForegroundWindow(top);
            SetFocus(target);
            return false;
          },
          kTimeoutMs, 20))
    fail("could not move the focus to " + narrow(nameOf(target)));
}

void typeText(HWND target, const std::wstring& chars) {
  setFocus(target);
  InputMarker marker(GetAncestor(target, GA_ROOT));
  std::vector<INPUT> inputs;
  for (size_t i = 0; i < chars.size(); ++i) {
    const wchar_t c = chars[i];
    if (c == L'\r' && i + 1 < chars.size() && chars[i + 1] == L'\n') continue;  // CR LF is one Enter
    if (c == L'\r' || c == L'\n')
      addKeyPress(inputs, VK_RETURN);
    else if (c == L'\t')
      addKeyPress(inputs, VK_TAB);
    else
      addCharacter(inputs, c);
  }
  sendInputs(inputs);
  marker.waitTaken();
}

void pressKey(HWND target, WORD vk) {
  setFocus(target);
  pressKeyInFocus(GetAncestor(target, GA_ROOT), vk);
}

void pressCtrlKey(HWND control, WORD vk) {
  setFocus(control);
  HWND top = GetAncestor(control, GA_ROOT);
  bringToFront(top);
  InputMarker marker(top);
  std::vector<INPUT> inputs;
  addVirtualKey(inputs, VK_CONTROL, true);
  addKeyPress(inputs, vk);
  addVirtualKey(inputs, VK_CONTROL, false);
  sendInputs(inputs);
  marker.waitTaken();
}

void pressKeyInFocus(HWND top, WORD vk) {
  bringToFront(top);
  InputMarker marker(top);
  std::vector<INPUT> inputs;
  addKeyPress(inputs, vk);
  sendInputs(inputs);
  marker.waitTaken();
}

void menuKeys(HWND top, const std::wstring& keys) {
  if (keys.empty()) return;
  bringToFront(top);
  InputMarker marker(top);
  std::vector<INPUT> inputs;
  for (size_t i = 0; i < keys.size(); ++i) {
    const WORD vk = static_cast<WORD>(VkKeyScanW(keys[i]) & 0xFF);
    if (i == 0) addVirtualKey(inputs, VK_MENU, true);
    addKeyPress(inputs, vk);
    if (i == 0) addVirtualKey(inputs, VK_MENU, false);
  }
  sendInputs(inputs);
  marker.waitTaken();
}

}  // namespace e2e
