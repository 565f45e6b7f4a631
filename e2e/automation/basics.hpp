#pragma once
// What every part of the driver library uses: the bound of its waits, the
// bounded poll, text conversion, and the one bounded SendMessage.
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace e2e {

// Default bound of every wait for something the target has to do.
constexpr DWORD kTimeoutMs = 5000;

// UTF-8 <-> UTF-16.
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);
// An argument of main() (in the system's ANSI code page) as UTF-16.
std::wstring fromArgument(const std::string& arg);

// Polls cond every intervalMs until it holds or timeoutMs has passed;
// returns whether it held.
template <class Cond>
bool waitUntil(Cond cond, DWORD timeoutMs = kTimeoutMs, DWORD intervalMs = 10) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (cond()) return true;
    if (GetTickCount() - start >= timeoutMs) return cond();
    Sleep(intervalMs);
  }
}

// Ends the current test unless `ok`: throws std::runtime_error saying `what`
// failed. For the steps of a helper (a start, a box that must come) that the
// rest of the test depends on.
inline void require(bool ok, const std::string& what) {
  if (!ok) throw std::runtime_error(what);
}

// SendMessage bounded in time (SendMessageTimeoutW): the target's answer,
// or nothing when the window is gone or did not answer within timeoutMs. A
// target that hangs makes the test fail instead of stopping the driver.
std::optional<LRESULT> trySend(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0, DWORD timeoutMs = kTimeoutMs);
// The same, throwing std::runtime_error (naming message and window) when no
// answer came.
LRESULT sendBounded(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);

}  // namespace e2e
