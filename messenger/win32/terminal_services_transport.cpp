#include "messenger/terminal_services_transport.hpp"

#include <windows.h>

#include "platform/win32_text.hpp"

namespace messenger {

namespace {

// What wtsapi32.h declares, written out here: the library is loaded at run
// time, so neither its header's version checks nor its import library apply.
struct SessionInfo {  // WTS_SESSION_INFOW
    DWORD sessionId;
    LPWSTR stationName;
    int state;  // WTS_CONNECTSTATE_CLASS
};
constexpr int kActiveSession = 0;  // WTSActive: someone is logged on and connected

using OpenServerFn = HANDLE(WINAPI*)(LPWSTR name);
using CloseServerFn = void(WINAPI*)(HANDLE server);
using EnumerateSessionsFn = BOOL(WINAPI*)(HANDLE server, DWORD reserved, DWORD version, SessionInfo** sessions,
                                          DWORD* count);
using SendMessageFn = BOOL(WINAPI*)(HANDLE server, DWORD session, LPWSTR title, DWORD titleBytes, LPWSTR message,
                                    DWORD messageBytes, DWORD style, DWORD timeoutSeconds, DWORD* response, BOOL wait);
using FreeMemoryFn = void(WINAPI*)(PVOID memory);

// wtsapi32.dll and the five functions a delivery uses, for one delivery.
// Windows XP has them all; a system that lacks any gets none.
class WtsApi {
public:
    WtsApi() : library_(LoadLibraryW(L"wtsapi32.dll")) {
        if (!library_) return;
        openServer = function<OpenServerFn>("WTSOpenServerW");
        closeServer = function<CloseServerFn>("WTSCloseServer");
        enumerateSessions = function<EnumerateSessionsFn>("WTSEnumerateSessionsW");
        sendMessage = function<SendMessageFn>("WTSSendMessageW");
        freeMemory = function<FreeMemoryFn>("WTSFreeMemory");
    }
    ~WtsApi() {
        if (library_) FreeLibrary(library_);
    }
    WtsApi(const WtsApi&) = delete;
    WtsApi& operator=(const WtsApi&) = delete;

    bool complete() const { return openServer && closeServer && enumerateSessions && sendMessage && freeMemory; }

    OpenServerFn openServer = nullptr;
    CloseServerFn closeServer = nullptr;
    EnumerateSessionsFn enumerateSessions = nullptr;
    SendMessageFn sendMessage = nullptr;
    FreeMemoryFn freeMemory = nullptr;

private:
    template <class Function>
    Function function(const char* name) {
        // Through a plain function pointer type: GetProcAddress's own type says nothing of the signature.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library_, name)));
    }

    HMODULE library_;
};

TransportResult unreachable(std::string reason) {
    TransportResult result;
    result.kind = TransportResult::Kind::Unreachable;
    result.reason = std::move(reason);
    return result;
}

// The system's text for an error, as words that complete "<computer> could
// not be reached: ...": no full stop, and a lower-case first letter unless
// the first word is an abbreviation ("RPC server unavailable").
std::string reasonFor(DWORD error) {
    std::string text = platform::systemErrorText(error);
    if (!text.empty() && text.back() == '.') text.pop_back();
    auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (text.size() > 1 && upper(text[0]) && !upper(text[1])) text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

DWORD byteCount(const std::wstring& text) { return static_cast<DWORD>(text.size() * sizeof(wchar_t)); }

}  // namespace

TransportResult TerminalServicesTransport::deliver(const std::string& computer, const std::string& sender,
                                                   const std::string& text) {
    const WtsApi api;
    if (!api.complete()) return unreachable("Terminal Services messages are not available on this system");

    std::wstring name = platform::widen(computer);
    // Opening only names the computer; the enumeration is the first call that reaches it.
    HANDLE server = api.openServer(&name[0]);
    if (!server) return unreachable(reasonFor(GetLastError()));
    SessionInfo* sessions = nullptr;
    DWORD count = 0;
    if (!api.enumerateSessions(server, 0, 1, &sessions, &count)) {
        const DWORD error = GetLastError();
        api.closeServer(server);
        return unreachable(reasonFor(error));
    }

    std::wstring title = platform::widen("Message from " + sender);
    std::wstring body = platform::widen(text);
    DWORD active = 0, taken = 0, refusal = ERROR_SUCCESS;
    for (DWORD i = 0; i < count; ++i) {
        if (sessions[i].state != kActiveSession) continue;
        ++active;
        // Not waiting for the box to be answered (so no timeout either): the
        // call returns at once, its response IDASYNC.
        DWORD response = 0;
        if (api.sendMessage(server, sessions[i].sessionId, &title[0], byteCount(title), &body[0], byteCount(body),
                            MB_OK, 0, &response, FALSE))
            ++taken;
        else if (refusal == ERROR_SUCCESS)
            refusal = GetLastError();
    }
    if (sessions) api.freeMemory(sessions);
    api.closeServer(server);

    if (taken > 0) return TransportResult{TransportResult::Kind::Delivered, {}};
    if (active == 0) return unreachable("no one is logged on");
    return unreachable(refusal != ERROR_SUCCESS ? reasonFor(refusal) : "no session took the message");
}

}  // namespace messenger
