#pragma once
// Helpers the driver library's files share among themselves; drivers do not
// include this header.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "basics.hpp"
#include "finding.hpp"
#include "message_boxes.hpp"

namespace e2e {

// Throws std::runtime_error: the running test fails with this text.
[[noreturn]] void fail(const std::string& what);
// "<call> failed, error <GetLastError()>".
std::string errorText(const char* call);
// Sends without waiting, ordered before any later message of the driver
// (SendNotifyMessageW); throws when it cannot be sent.
void notify(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
std::wstring lower(std::wstring s);

// All descendants, grandchildren included (EnumChildWindows walks them all).
std::vector<HWND> children(HWND parent);

// First visible top-level window of pid that satisfies pred, waited for.
template <class Pred>
HWND waitForTopLevel(DWORD pid, DWORD timeoutMs, Pred pred) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND w : topLevelWindows(pid))
          if (IsWindowVisible(w) && pred(w)) {
            found = w;
            return true;
          }
        return false;
      },
      timeoutMs);
  return found;
}

inline bool isWow64(HANDLE process) {
  BOOL wow = FALSE;
  return IsWow64Process(process, &wow) && wow;
}

// Memory inside the process that owns a window, for the messages whose
// lParam points at a structure or a buffer. What the driver writes there is
// laid out by the driver's compiler, so for the driver's bitness: a 32-bit
// target would read a 64-bit driver's LVITEMW wrongly (4-byte pointers
// there, 8-byte ones here). Our runs always pair driver and program of one
// bitness; a target of the other is refused rather than misread.
class TargetMemory {
 public:
  TargetMemory(HWND owner, size_t bytes) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                           FALSE, pid);
    if (!process_) fail(errorText("OpenProcess"));
    std::string problem;
    if (isWow64(process_) != isWow64(GetCurrentProcess()))
      problem = "window " + std::to_string(reinterpret_cast<uintptr_t>(owner)) +
                " belongs to a program of another bitness than the driver";
    else if (!(base_ = static_cast<char*>(
                   VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))))
      problem = errorText("VirtualAllocEx");
    if (!problem.empty()) {
      CloseHandle(process_);
      fail(problem);
    }
  }
  ~TargetMemory() {
    VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  TargetMemory(const TargetMemory&) = delete;
  TargetMemory& operator=(const TargetMemory&) = delete;

  // The address `offset` bytes in, as the target sees it.
  template <class T = void>
  T* at(size_t offset) const {
    return reinterpret_cast<T*>(base_ + offset);
  }
  LPARAM param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(base_ + offset); }

  void write(size_t offset, const void* data, size_t bytes) {
    SIZE_T done = 0;
    if (!WriteProcessMemory(process_, base_ + offset, data, bytes, &done) || done != bytes)
      fail(errorText("WriteProcessMemory"));
  }
  void read(size_t offset, void* data, size_t bytes) const {
    SIZE_T done = 0;
    if (!ReadProcessMemory(process_, base_ + offset, data, bytes, &done) || done != bytes)
      fail(errorText("ReadProcessMemory"));
  }
  // The NUL-terminated text at `offset`, of at most maxChars characters.
  std::wstring readText(size_t offset, size_t maxChars) const {
    std::wstring text(maxChars, L'\0');
    read(offset, &text[0], maxChars * sizeof(wchar_t));
    text.resize(std::find(text.begin(), text.end(), L'\0') - text.begin());
    return text;
  }

 private:
  HANDLE process_ = nullptr;
  char* base_ = nullptr;
};

// Which standard icon an SS_ICON static shows, by its pixels on the screen
// (screenshots.cpp); Unknown when it matches none.
BoxIcon iconShown(HWND iconStatic);

}  // namespace e2e
