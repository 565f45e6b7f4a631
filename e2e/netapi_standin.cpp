// netapi32.dll for Vorlane's end-to-end test: a scripted browse list of two
// domains, this computer's name, and a message send that answers by recipient.
// With a file netapi-servers.txt beside it holding a number N, every
// enumeration of machines gives N generated names instead (PC00001, ...), for
// benchmarks of long lists. With a file netapi-not-supported.txt beside it,
// every message send answers 50 (ERROR_NOT_SUPPORTED), as on the Windows
// versions that have no Messenger service. Every call is appended to
// netapi-log.txt beside this library (UTF-8, one line per call; CR and LF in
// a message written as \r and \n), and so is every buffer handed out and
// freed, so the test can check that each is freed.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

HMODULE self = nullptr;

std::wstring besideSelf(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
    std::wstring file(path, n);
    return file.substr(0, file.find_last_of(L'\\') + 1) + name;
}

std::string utf8(const wchar_t* text) {
    if (!text) return "(null)";
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
    return out;
}

void log(std::string line) {
    std::string escaped;
    for (char c : line) escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    escaped += "\n";
    HANDLE h = CreateFileW(besideSelf(L"netapi-log.txt").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(h, escaped.data(), static_cast<DWORD>(escaped.size()), &written, nullptr);
    CloseHandle(h);
}

struct Server {
    const wchar_t* domain;
    const wchar_t* name;
    DWORD type;
};
// Workstation 0x1, server 0x2, SQL 0x4, print 0x200, NT 0x1000, master browser 0x40000.
const Server kServers[] = {
    {L"WORKGROUP", L"PC1", 0x1 | 0x1000},
    {L"WORKGROUP", L"SRV1", 0x2 | 0x4 | 0x1000 | 0x40000},
    {L"\u00C9QUIPE-\u03A9", L"\u041F\u041A-7", 0x1 | 0x1000},
    {L"\u00C9QUIPE-\u03A9", L"PRN", 0x200},
};
const wchar_t* const kDomains[] = {L"WORKGROUP", L"\u00C9QUIPE-\u03A9"};
const wchar_t kComputerName[] = L"H\u00D4TE";
const wchar_t kReachable[] = L"\u041F\u041A-7";  // the one recipient whose Messenger answers

// One block: the records first, then the strings they point to.
struct Record101 {
    DWORD platformId;
    LPWSTR name;
    DWORD major, minor, type;
    LPWSTR comment;
};
LPBYTE serverBuffer(const std::vector<const wchar_t*>& names) {
    size_t size = names.size() * sizeof(Record101);
    for (const wchar_t* name : names) size += (wcslen(name) + 1) * sizeof(wchar_t);
    auto* block = static_cast<LPBYTE>(LocalAlloc(LPTR, size ? size : 1));
    auto* records = reinterpret_cast<Record101*>(block);
    auto* strings = reinterpret_cast<wchar_t*>(block + names.size() * sizeof(Record101));
    for (size_t i = 0; i < names.size(); ++i) {
        records[i] = {500, strings, 5, 1, 0, nullptr};
        wcscpy(strings, names[i]);
        strings += wcslen(names[i]) + 1;
    }
    log("alloc");
    return block;
}

// The number in netapi-servers.txt beside this library; 0 when there is none.
int generatedServerCount() {
    HANDLE h = CreateFileW(besideSelf(L"netapi-servers.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    char text[16] = {};
    DWORD got = 0;
    ReadFile(h, text, sizeof text - 1, &got, nullptr);
    CloseHandle(h);
    return atoi(text);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

extern "C" {

__declspec(dllexport) DWORD WINAPI NetServerEnum(LPCWSTR server, DWORD level, LPBYTE* buffer, DWORD, LPDWORD read,
                                                 LPDWORD total, DWORD type, LPCWSTR domain, LPDWORD) {
    char mask[16];
    wsprintfA(mask, "%08lX", type);
    log("enum server=" + utf8(server) + " level=" + std::to_string(level) + " mask=" + mask +
        " domain=" + utf8(domain));
    std::vector<const wchar_t*> names;
    static std::vector<std::wstring> generated;
    const int count = type == 0x80000000 ? 0 : generatedServerCount();
    if (count > 0) {
        generated.clear();
        wchar_t name[16];
        for (int i = 1; i <= count; ++i) {
            wsprintfW(name, L"PC%05d", i);
            generated.push_back(name);
        }
        for (const std::wstring& g : generated) names.push_back(g.c_str());
    } else if (type == 0x80000000) {
        names.assign(std::begin(kDomains), std::end(kDomains));
    } else {
        const wchar_t* wanted = domain && *domain ? domain : L"WORKGROUP";  // empty: this computer's domain
        for (const Server& s : kServers)
            if (!wcscmp(s.domain, wanted) && (s.type & type)) names.push_back(s.name);
    }
    *total = static_cast<DWORD>(names.size());
    // All types at once is "too much": the first entry only, with ERROR_MORE_DATA.
    const bool partial = type == 0xFFFFFFFF && names.size() > 1;
    if (partial) names.resize(1);
    *read = static_cast<DWORD>(names.size());
    *buffer = serverBuffer(names);
    return partial ? ERROR_MORE_DATA : 0;
}

__declspec(dllexport) DWORD WINAPI NetWkstaGetInfo(LPWSTR server, DWORD level, LPBYTE* buffer) {
    log("wksta server=" + utf8(server) + " level=" + std::to_string(level));
    struct Record100 {
        DWORD platformId;
        LPWSTR computer, domain;
        DWORD major, minor;
    };
    size_t size = sizeof(Record100) + sizeof kComputerName;
    auto* block = static_cast<LPBYTE>(LocalAlloc(LPTR, size));
    auto* name = reinterpret_cast<wchar_t*>(block + sizeof(Record100));
    std::memcpy(name, kComputerName, sizeof kComputerName);
    *reinterpret_cast<Record100*>(block) = {500, name, nullptr, 5, 1};
    log("alloc");
    *buffer = block;
    return 0;
}

__declspec(dllexport) DWORD WINAPI NetMessageBufferSend(LPCWSTR server, LPCWSTR to, LPCWSTR from, LPBYTE message,
                                                        DWORD length) {
    const std::wstring text(reinterpret_cast<const wchar_t*>(message), length / sizeof(wchar_t));
    log("send server=" + utf8(server) + " to=" + utf8(to) + " from=" + utf8(from) + " length=" +
        std::to_string(length) + " message=" + utf8(text.c_str()));
    if (GetFileAttributesW(besideSelf(L"netapi-not-supported.txt").c_str()) != INVALID_FILE_ATTRIBUTES)
        return ERROR_NOT_SUPPORTED;
    return to && !wcscmp(to, kReachable) ? 0 : 2273;  // NERR_NameNotFound
}

__declspec(dllexport) DWORD WINAPI NetApiBufferFree(LPVOID buffer) {
    log("free");
    LocalFree(buffer);
    return 0;
}

}  // extern "C"
