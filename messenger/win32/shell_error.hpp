#pragma once
// Internal to the Win32 runners: the system error behind a failed ShellExecuteEx.
#include <windows.h>
#include <shellapi.h>

namespace messenger {

// ShellExecuteEx normally sets the thread's last error; when it leaves 0 there
// (Wine does after the shell has shown its own error box), its SE_ERR_* code
// in hInstApp is turned into the matching system error. A code below 32 that
// is no SE_ERR_* value is a system error itself (11: not a valid program).
inline DWORD shellError(const SHELLEXECUTEINFOW& info) {
    DWORD error = GetLastError();
    if (error != ERROR_SUCCESS) return error;
    INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
    switch (code) {
    case SE_ERR_FNF: return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF: return ERROR_PATH_NOT_FOUND;
    case SE_ERR_ACCESSDENIED: return ERROR_ACCESS_DENIED;
    case SE_ERR_OOM: return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC: return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    default: return code > 0 && code < 32 ? static_cast<DWORD>(code) : ERROR_BAD_FORMAT;
    }
}

}  // namespace messenger
