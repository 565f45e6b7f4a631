// wtsapi32.dll for terminal_services_win32_check: computers and their
// sessions as wtsapi-script.txt beside this library describes them (read at
// each WTSOpenServerW), one line each, UTF-8:
//   <computer> open-error <error>          WTSOpenServerW answers NULL
//   <computer> enumerate-error <error>     WTSEnumerateSessionsW fails
//   <computer> session <id> active|disconnected|listen [<send error>]
// A computer not named there has no sessions. Every open, send, free and
// close is appended to wtsapi-log.txt beside this library (UTF-8, a line
// each; CR and LF in a text written as \r and \n). It has only the five
// functions a delivery uses.
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "module_files.hpp"
#include "platform/win32_text.hpp"

namespace {

HMODULE self = nullptr;

void log(const std::string& line) {
    std::string escaped;
    for (char c : line) escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    writeFileBytes(besideModule(self, L"wtsapi-log.txt"), escaped + "\n", true);
}

struct Session {
    DWORD id;
    int state;  // WTS_CONNECTSTATE_CLASS
    DWORD sendError;
};
struct Server {
    std::string name;
    DWORD openError = 0, enumerateError = 0;
    std::vector<Session> sessions;
};

void readScript(Server& server) {
    std::istringstream lines(readFileBytes(besideModule(self, L"wtsapi-script.txt")));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string computer, what, state;
        words >> computer >> what;
        if (computer != server.name) continue;
        if (what == "open-error") words >> server.openError;
        if (what == "enumerate-error") words >> server.enumerateError;
        if (what != "session") continue;
        Session session{0, 0, 0};
        words >> session.id >> state >> session.sendError;
        session.state = state == "active" ? 0 : state == "listen" ? 6 : 4;  // WTSActive, WTSListen, WTSDisconnected
        server.sessions.push_back(session);
    }
}

BOOL fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

extern "C" {

struct SessionInfoW {  // WTS_SESSION_INFOW
    DWORD SessionId;
    LPWSTR pWinStationName;
    int State;
};

__declspec(dllexport) HANDLE WINAPI WTSOpenServerW(LPWSTR name) {
    auto* server = new Server;
    server->name = platform::narrow(name);
    log("open " + server->name);
    readScript(*server);
    if (!server->openError) return server;
    SetLastError(server->openError);
    delete server;
    return nullptr;
}

__declspec(dllexport) void WINAPI WTSCloseServer(HANDLE handle) {
    auto* server = static_cast<Server*>(handle);
    log("close " + server->name);
    delete server;
}

__declspec(dllexport) BOOL WINAPI
    WTSEnumerateSessionsW(HANDLE handle, DWORD reserved, DWORD version, SessionInfoW** sessions, DWORD* count) {
    const auto* server = static_cast<Server*>(handle);
    if (reserved != 0 || version != 1) return fail(ERROR_INVALID_PARAMETER);
    if (server->enumerateError) return fail(server->enumerateError);
    const size_t n = server->sessions.size();
    *sessions = static_cast<SessionInfoW*>(LocalAlloc(LPTR, n * sizeof(SessionInfoW) + 1));
    for (size_t i = 0; i < n; ++i)
        (*sessions)[i] = {server->sessions[i].id, const_cast<LPWSTR>(L"RDP-Tcp"), server->sessions[i].state};
    *count = static_cast<DWORD>(n);
    return TRUE;
}

__declspec(dllexport) BOOL WINAPI
    WTSSendMessageW(HANDLE handle, DWORD sessionId, LPWSTR title, DWORD titleBytes, LPWSTR message, DWORD messageBytes,
                    DWORD style, DWORD timeout, DWORD* response, BOOL wait) {
    const auto* server = static_cast<Server*>(handle);
    // The texts are taken by their lengths in bytes, as the real call takes them.
    log("send " + server->name + " session=" + std::to_string(sessionId) + " style=" + std::to_string(style) +
        " timeout=" + std::to_string(timeout) + " wait=" + std::to_string(wait) +
        " title=" + platform::narrow(std::wstring(title, titleBytes / sizeof(wchar_t))) +
        " message=" + platform::narrow(std::wstring(message, messageBytes / sizeof(wchar_t))));
    for (const Session& session : server->sessions) {
        if (session.id != sessionId) continue;
        if (session.sendError) return fail(session.sendError);
        *response = wait ? IDOK : 32001;  // IDASYNC: shown, not waited for
        return TRUE;
    }
    return fail(ERROR_FILE_NOT_FOUND);
}

__declspec(dllexport) void WINAPI WTSFreeMemory(PVOID memory) {
    log("free");
    LocalFree(memory);
}

}  // extern "C"
