// The LAN Manager calls through netapi32.dll, loaded by name (the program's
// folder first) on the first call, so that a system without it answers
// ERROR_NOT_SUPPORTED instead of refusing to start the program.
#include <float.h>
#include <windows.h>

#include "platform/win32_lan_services.hpp"
#include "platform/win32_text.hpp"

namespace platform {
namespace {

using NetServerEnumFn = DWORD(WINAPI*)(LPCWSTR server, DWORD level, LPBYTE* buffer, DWORD preferredMax,
                                       LPDWORD entriesRead, LPDWORD totalEntries, DWORD type, LPCWSTR domain,
                                       LPDWORD resume);
using NetWkstaGetInfoFn = DWORD(WINAPI*)(LPWSTR server, DWORD level, LPBYTE* buffer);
using NetMessageBufferSendFn = DWORD(WINAPI*)(LPCWSTR server, LPCWSTR to, LPCWSTR from, LPBYTE message,
                                              DWORD length);
using NetApiBufferFreeFn = DWORD(WINAPI*)(LPVOID buffer);

constexpr DWORD kNoLengthLimit = 0xFFFFFFFF;  // MAX_PREFERRED_LENGTH: the whole list at once
constexpr std::size_t kNameLimit = 256;       // UTF-16 units taken of a returned name

// SERVER_INFO_101 and WKSTA_INFO_100 as the calls return them.
struct ServerInfo101 {
    DWORD platformId;
    LPWSTR name;
    DWORD versionMajor, versionMinor, type;
    LPWSTR comment;
};
struct WkstaInfo100 {
    DWORD platformId;
    LPWSTR computerName;
    LPWSTR domain;
    DWORD versionMajor, versionMinor;
};

// wchar_t is UTF-16 on Windows.
std::string nameText(const wchar_t* name) {
    return serverNameText(reinterpret_cast<const char16_t*>(name), kNameLimit);
}

// A LAN Manager function that raises ends the process unless someone catches
// it (Wine's NetMessageBufferSend is a stub that raises 0x80000100). While a
// guarded call runs, a vectored handler sends such an exception's thread to
// a landing function that jumps back to the guard, which answers
// ERROR_NOT_SUPPORTED. The handler resumes the thread through the normal
// dispatch (so no lock of the dispatcher is held when it jumps), with the
// direction flag clear as the calling convention has it; the landing resets
// the floating-point unit, whose x87 stack and control word the failed call
// may have left in any state. Only the
// exceptions that would end the process are taken; others keep their way to
// the handlers of the library itself.
struct Guard {
    void* jump[5];
    DWORD thread;
#ifndef _WIN64
    void* exceptionChain;  // the SEH chain of the x86 thread, restored after the jump
#endif
};
Guard guard;
Guard* volatile activeGuard = nullptr;

constexpr DWORD kWineStubException = 0x80000100;

bool endsTheProcess(DWORD code) {
    switch (code) {
    case kWineStubException:
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_NONCONTINUABLE_EXCEPTION:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void landAfterException() {
    _fpreset();
    __builtin_longjmp(activeGuard->jump, 1);
}

LONG CALLBACK redirectFatalException(EXCEPTION_POINTERS* info) {
    Guard* active = activeGuard;
    if (!active || active->thread != GetCurrentThreadId()) return EXCEPTION_CONTINUE_SEARCH;
    if (!endsTheProcess(info->ExceptionRecord->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
    CONTEXT* context = info->ContextRecord;
    constexpr DWORD kDirectionFlag = 0x400;
    context->EFlags &= ~kDirectionFlag;
    // Resume in the landing function, well below what the failed call left on the stack.
#ifdef _WIN64
    context->Rsp = ((context->Rsp - 512) & ~DWORD64(15)) - 8;
    context->Rip = reinterpret_cast<DWORD64>(&landAfterException);
#else
    context->Esp = ((context->Esp - 512) & ~DWORD(15)) - 4;
    context->Eip = reinterpret_cast<DWORD>(&landAfterException);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

#ifndef _WIN64
// The head of the x86 thread's SEH chain, at fs:[0].
void* exceptionChain() {
    void* head;
    asm volatile("movl %%fs:0, %0" : "=r"(head));
    return head;
}
void setExceptionChain(void* head) { asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }
#endif

// Runs call() on this thread; an exception that would end the process makes it
// answer ERROR_NOT_SUPPORTED instead. Not reentrant (one window thread calls).
template <class Call>
__attribute__((noinline)) DWORD guarded(Call& call) {
    static PVOID handler = AddVectoredExceptionHandler(1, redirectFatalException);
    if (!handler) return call();
    guard.thread = GetCurrentThreadId();
#ifndef _WIN64
    guard.exceptionChain = exceptionChain();
#endif
    if (__builtin_setjmp(guard.jump) == 0) {
        activeGuard = &guard;
        DWORD result = call();
        activeGuard = nullptr;
        return result;
    }
    activeGuard = nullptr;
#ifndef _WIN64
    setExceptionChain(guard.exceptionChain);
#endif
    return kLanNotSupported;
}

class NetApiLanManager : public LanManager {
public:
    ~NetApiLanManager() override {
        if (library_) FreeLibrary(library_);
    }

    ServerList enumerateServers(std::uint32_t typeMask, const std::optional<std::string>& domain) override {
        ServerList list;
        if (!load()) {
            list.result = kLanNotSupported;
            return list;
        }
        const std::wstring domainText = domain ? widen(*domain) : std::wstring();
        LPBYTE buffer = nullptr;
        DWORD read = 0, total = 0;
        auto call = [&]() -> DWORD {
            return serverEnum_(nullptr, 101, &buffer, kNoLengthLimit, &read, &total, typeMask,
                               domain ? domainText.c_str() : nullptr, nullptr);
        };
        list.result = guarded(call);
        list.totalEntries = total;
        if (buffer && (list.result == kLanOk || list.result == kLanMoreData)) {
            const auto* entries = reinterpret_cast<const ServerInfo101*>(buffer);
            for (DWORD i = 0; i < read; ++i) list.names.push_back(nameText(entries[i].name));
        }
        freeBuffer(buffer);
        return list;
    }

    ComputerName localComputerName() override {
        ComputerName answer;
        if (!load()) {
            answer.result = kLanNotSupported;
            return answer;
        }
        LPBYTE buffer = nullptr;
        auto call = [&]() -> DWORD { return wkstaGetInfo_(nullptr, 100, &buffer); };
        answer.result = guarded(call);
        if (answer.result == kLanOk && buffer)
            answer.name = nameText(reinterpret_cast<const WkstaInfo100*>(buffer)->computerName);
        freeBuffer(buffer);
        return answer;
    }

    std::uint32_t sendMessage(const std::string& recipient, const std::string& from,
                              const std::string& message) override {
        if (!load()) return kLanNotSupported;
        const std::wstring to = widen(recipient), sender = widen(from), text = widen(message);
        auto call = [&]() -> DWORD {
            return messageSend_(nullptr, to.c_str(), sender.c_str(),
                                reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(text.c_str())),
                                static_cast<DWORD>(text.size() * sizeof(wchar_t)));
        };
        return guarded(call);
    }

private:
    // The library and its four functions, once; false when any is missing.
    bool load() {
        if (!tried_) {
            tried_ = true;
            library_ = LoadLibraryW(L"netapi32.dll");
            if (library_) {
                serverEnum_ = function<NetServerEnumFn>("NetServerEnum");
                wkstaGetInfo_ = function<NetWkstaGetInfoFn>("NetWkstaGetInfo");
                messageSend_ = function<NetMessageBufferSendFn>("NetMessageBufferSend");
                bufferFree_ = function<NetApiBufferFreeFn>("NetApiBufferFree");
            }
        }
        return serverEnum_ && wkstaGetInfo_ && messageSend_ && bufferFree_;
    }
    template <class Function>
    Function function(const char* name) {
        // Through a plain function pointer type: GetProcAddress's own type says nothing of the signature.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library_, name)));
    }
    // A buffer the call returned is freed whatever the call's result.
    void freeBuffer(LPBYTE buffer) {
        if (!buffer) return;
        auto call = [&]() -> DWORD { return bufferFree_(buffer); };
        guarded(call);
    }

    bool tried_ = false;
    HMODULE library_ = nullptr;
    NetServerEnumFn serverEnum_ = nullptr;
    NetWkstaGetInfoFn wkstaGetInfo_ = nullptr;
    NetMessageBufferSendFn messageSend_ = nullptr;
    NetApiBufferFreeFn bufferFree_ = nullptr;
};

}  // namespace

std::unique_ptr<LanManager> makeNetApiLanManager() { return std::make_unique<NetApiLanManager>(); }

}  // namespace platform
