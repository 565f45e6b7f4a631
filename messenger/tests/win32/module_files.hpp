#pragma once
// Whole files beside a module (this program, or a library of it), as bytes:
// how the wtsapi32 stand-in and its check pass the script and the log.
#include <windows.h>

#include <string>

inline std::wstring besideModule(HMODULE module, const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const std::wstring file(path, GetModuleFileNameW(module, path, MAX_PATH));
    return file.substr(0, file.find_last_of(L'\\') + 1) + name;
}

inline std::string readFileBytes(const std::wstring& path) {
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(h, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(h);
    return bytes.substr(0, got);
}

inline void writeFileBytes(const std::wstring& path, const std::string& bytes, bool append = false) {
    HANDLE h = CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                           append ? OPEN_ALWAYS : CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}
