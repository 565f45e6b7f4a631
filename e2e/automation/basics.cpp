// The driver library's basics: see basics.hpp.
#include "basics.hpp"

#include <cstdint>
#include <cwctype>
#include <stdexcept>

#include "internal.hpp"

namespace e2e {

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
  return out;
}

std::string narrow(const std::wstring& utf16) {
  if (utf16.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring fromArgument(const std::string& arg) {
  if (arg.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, arg.data(), static_cast<int>(arg.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, arg.data(), static_cast<int>(arg.size()), &out[0], n);
  return out;
}

std::optional<LRESULT> trySend(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, timeoutMs, &result)) return std::nullopt;
  return static_cast<LRESULT>(result);
}

LRESULT sendBounded(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const auto result = trySend(hwnd, msg, wp, lp);
  if (!result)
    fail("message " + std::to_string(msg) + " to window " + std::to_string(reinterpret_cast<uintptr_t>(hwnd)) +
         " got no answer, error " + std::to_string(GetLastError()));
  return *result;
}

// ---- Helpers shared inside the library (internal.hpp) ----

void fail(const std::string& what) { throw std::runtime_error(what); }

std::string errorText(const char* call) {
  return std::string(call) + " failed, error " + std::to_string(GetLastError());
}

void notify(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (!SendNotifyMessageW(hwnd, msg, wp, lp)) fail(errorText("SendNotifyMessageW"));
}

std::wstring lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

}  // namespace e2e
