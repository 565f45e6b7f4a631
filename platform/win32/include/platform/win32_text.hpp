#pragma once
// UTF-8 inside the code, UTF-16 at the Win32 boundary, and the system's
// error texts. Windows builds only.
#include <windows.h>

#include <string>

#include "platform/unicode.hpp"

namespace platform {

// Through the one codec (unicode.hpp); wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t holds UTF-16");

inline std::wstring widen(const std::string& text) {
    const std::u16string units = utf8ToUtf16(text);
    return std::wstring(units.begin(), units.end());
}

inline std::string narrow(const std::wstring& text) {
    return utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

// The system's text for an error number, without the trailing line break.
inline std::string systemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n ? std::wstring(buffer, n) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"Error " + std::to_wstring(error);
    return narrow(text);
}

}  // namespace platform
