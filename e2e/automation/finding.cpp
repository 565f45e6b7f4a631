// Finding windows and controls: see finding.hpp.
#include "finding.hpp"

#include <forms/win32/automation_tags.hpp>

#include "internal.hpp"
#include "reading.hpp"

namespace e2e {

namespace {

BOOL CALLBACK collectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

DWORD processOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

}  // namespace

std::vector<HWND> children(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, collectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring nameOf(HWND hwnd) {
  const auto atom =
      static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, forms::win32::kNameProperty)));
  if (!atom) return {};
  wchar_t name[256];
  const UINT n = GlobalGetAtomNameW(atom, name, 256);
  return forms::win32::decodeAtomName(std::wstring(name, n));
}

std::wstring className(HWND hwnd) {
  wchar_t name[256];
  const int n = GetClassNameW(hwnd, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

std::wstring caption(HWND hwnd) {
  sync(hwnd);  // so that a caption set by the driver's last action shows
  wchar_t buffer[1024];
  const int n = GetWindowTextW(hwnd, buffer, 1024);
  return std::wstring(buffer, n > 0 ? n : 0);
}

std::vector<HWND> topLevelWindows(DWORD pid) {
  std::vector<HWND> all, found;
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND w : all)
    if (processOf(w) == pid) found.push_back(w);
  return found;
}

HWND findWindow(DWORD pid, const std::wstring& name) {
  for (HWND w : topLevelWindows(pid))
    if (nameOf(w) == name) return w;
  return nullptr;
}

HWND waitForWindow(DWORD pid, const std::wstring& name, DWORD timeoutMs) {
  return waitForTopLevel(pid, timeoutMs, [&](HWND w) { return nameOf(w) == name; });
}

HWND waitForWindowByCaption(DWORD pid, const std::wstring& text, DWORD timeoutMs) {
  return waitForTopLevel(pid, timeoutMs, [&](HWND w) { return caption(w) == text; });
}

HWND waitForAnyWindow(DWORD pid, DWORD timeoutMs) {
  return waitForTopLevel(pid, timeoutMs, [](HWND w) {
    RECT r;
    return GetWindowRect(w, &r) && r.right > r.left && r.bottom > r.top;
  });
}

HWND findControl(HWND top, const std::wstring& name) {
  for (HWND child : children(top))
    if (nameOf(child) == name) return child;
  return nullptr;
}

HWND control(HWND top, const std::wstring& name) {
  if (!top) fail("no window to look for control " + narrow(name) + " in");
  HWND found = findControl(top, name);
  if (!found) fail("no control named " + narrow(name) + " in window " + narrow(nameOf(top)));
  return found;
}

}  // namespace e2e
