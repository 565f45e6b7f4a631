// Keyboard hook that the driver installs on the thread of the program under
// test (SetWindowsHookExW WH_KEYBOARD with this DLL). The program's thread
// calls it when it takes a key from its queue. After typing, the driver sends
// one marker key; the hook swallows it, so the program never sees it, and
// when the marker is released it sets the event "e2e-input-taken-<thread id>":
// every key typed before the marker has then been taken and handled.
#include <windows.h>

#include <string>

namespace {
// An unassigned virtual-key code: no program reacts to it.
constexpr WPARAM kMarkerKey = 0x88;

std::wstring eventName(DWORD thread) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + thread % 10));
    thread /= 10;
  } while (thread);
  return L"e2e-input-taken-" + digits;
}
}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK e2eKeyHook(int code, WPARAM key, LPARAM flags) {
  if (code < 0 || key != kMarkerKey) return CallNextHookEx(nullptr, code, key, flags);
  if (flags & 0x80000000) {  // transition bit: the marker is being released
    if (HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName(GetCurrentThreadId()).c_str())) {
      SetEvent(event);
      CloseHandle(event);
    }
  }
  return 1;  // swallowed
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
