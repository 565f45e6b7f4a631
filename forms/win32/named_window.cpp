#include "forms/win32/named_window.hpp"

#include "forms/win32/automation_tags.hpp"
#include "platform/win32_text.hpp"

namespace forms::win32 {

namespace {

struct Search {
    std::wstring name;
    HWND found = nullptr;
};

BOOL CALLBACK matchName(HWND hwnd, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, kNameProperty)));
    wchar_t text[256];
    if (atom && GlobalGetAtomNameW(atom, text, 256) && decodeAtomName(text) == search.name) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND threadWindowNamed(const std::string& name) {
    Search search{platform::widen(name)};
    EnumThreadWindows(GetCurrentThreadId(), matchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace forms::win32
