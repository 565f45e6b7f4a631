// The About box's services on Windows: the version resource of the running
// program, string values under HKEY_LOCAL_MACHINE opened for reading only
// (a normal user may not write there), and a program started in a normal window.
// A 32-bit build under WoW64 reads those values in the 64-bit registry view
// and reaches the system folder through Sysnative (platform/wow64.hpp).
#include <windows.h>

#include <cstring>

#include "platform/win32_lan_services.hpp"
#include "platform/win32_text.hpp"
#include "platform/wow64.hpp"

namespace platform {
namespace {

constexpr DWORD kFixedInfoSignature = 0xFEEF04BD;
constexpr DWORD kValueChars = 1024;
static_assert(kKeyQueryValue == KEY_QUERY_VALUE && kKeyWow64_64Key == KEY_WOW64_64KEY);

// IsWow64Process is looked up: Windows XP before SP2 lacks it (and WoW64).
bool runsUnderWow64() {
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::string folder(UINT (WINAPI* get)(LPWSTR, UINT)) {
    wchar_t path[MAX_PATH];
    const UINT length = get(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? narrow(std::wstring(path, length)) : std::string();
}

ProcessView thisProcessView() {
    ProcessView view;
    view.underWow64 = runsUnderWow64();
    if (view.underWow64) {
        view.systemFolder = folder(GetSystemDirectoryW);
        view.windowsFolder = folder(GetSystemWindowsDirectoryW);
    }
    return view;
}

class Win32SystemInfo : public SystemInfo {
public:
    // VS_FIXEDFILEINFO inside the program's own version resource, found by its signature.
    ProgramVersion programVersion() override {
        ProgramVersion version;
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
        HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
        const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
        if (!data) return version;
        const DWORD size = SizeofResource(nullptr, found);
        for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
            DWORD signature;
            std::memcpy(&signature, data + at, sizeof signature);
            if (signature != kFixedInfoSignature) continue;
            VS_FIXEDFILEINFO info;
            std::memcpy(&info, data + at, sizeof info);
            version.major = HIWORD(info.dwFileVersionMS);
            version.minor = LOWORD(info.dwFileVersionMS);
            version.revision = HIWORD(info.dwFileVersionLS);
            break;
        }
        return version;
    }

    std::optional<std::string> machineValue(const std::string& key, const std::string& value) override {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, widen(key).c_str(), 0, machineKeyReadAccess(view_.underWow64),
                          &opened) != ERROR_SUCCESS)
            return std::nullopt;
        wchar_t buffer[kValueChars];
        DWORD size = sizeof buffer, type = 0;
        LONG status = RegQueryValueExW(opened, widen(value).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(opened);
        if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
        std::wstring text(buffer, size / sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        return narrow(text);
    }

    bool fileExists(const std::string& path) override {
        DWORD attributes = GetFileAttributesW(widen(nativeSystemPath(view_, path)).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool startProgram(const std::string& path) override {
        const std::wstring program = widen(nativeSystemPath(view_, path));
        std::wstring commandLine = L"\"" + program + L"\"";  // the path may hold blanks
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }

private:
    const ProcessView view_ = thisProcessView();
};

}  // namespace

std::unique_ptr<SystemInfo> makeWin32SystemInfo() { return std::make_unique<Win32SystemInfo>(); }

}  // namespace platform
