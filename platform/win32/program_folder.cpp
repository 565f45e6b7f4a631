#include <windows.h>

#include <vector>

#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"

namespace platform {

std::string programFolder() {
    // A path that fills the buffer may have been cut short (XP does not even
    // terminate it), so the buffer grows until the path fits with room to spare.
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) break;
        if (path.size() >= 65536) return {};
        path.resize(path.size() * 2);
    }
    std::wstring folder(path.data(), length);
    std::wstring::size_type slash = folder.find_last_of(L"\\/");
    folder.erase(slash == std::wstring::npos ? 0 : slash);
    return narrow(folder);
}

}  // namespace platform
