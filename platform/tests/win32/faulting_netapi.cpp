// netapi32.dll for lan_recovery_win32_check: the browse calls answer
// nothing, and the send faults with the processor left as a misbehaving
// library could leave it (values on the x87 stack, another x87 control word,
// the direction flag set).
#include <windows.h>

extern "C" {

__declspec(dllexport) DWORD WINAPI
    NetServerEnum(LPCWSTR, DWORD, LPBYTE* buffer, DWORD, LPDWORD read, LPDWORD total, DWORD, LPCWSTR, LPDWORD) {
    *buffer = nullptr;
    *read = *total = 0;
    return 0;
}

__declspec(dllexport) DWORD WINAPI NetWkstaGetInfo(LPWSTR, DWORD, LPBYTE* buffer) {
    *buffer = nullptr;
    return 0;
}

__declspec(dllexport) DWORD WINAPI NetMessageBufferSend(LPCWSTR, LPCWSTR, LPCWSTR, LPBYTE, DWORD) {
    const unsigned short truncatingSinglePrecision = 0x0C7F;
    asm volatile(
        "fld1\n\tfld1\n\tfld1\n\t"
        "fldcw %0\n\t"
        "std\n\t"
        "movl $0, 0"  // write to address 0: an access violation
        :
        : "m"(truncatingSinglePrecision)
        : "memory");
    return 0;
}

__declspec(dllexport) DWORD WINAPI NetApiBufferFree(LPVOID) { return 0; }

}  // extern "C"
