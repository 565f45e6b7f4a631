// PingrelGUI on Windows: the real services, the real window.
#include <windows.h>

#include <string>

#include "context.hpp"
#include "forms/app.hpp"
#include "forms/win32/automation_tags.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_services.hpp"
#include "platform/win32_text.hpp"
#include "program.hpp"

namespace {

struct Search {
    std::wstring name;
    HWND found = nullptr;
};

BOOL CALLBACK matchName(HWND hwnd, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, forms::win32::kNameProperty)));
    wchar_t text[256];
    if (atom && GlobalGetAtomNameW(atom, text, 256) && forms::win32::decodeAtomName(text) == search.name) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The top-level window of this thread that carries the form's name.
messenger::OwnerWindow realWindowOf(const forms::Window& window) {
    Search search{platform::widen(window.name())};
    EnumThreadWindows(GetCurrentThreadId(), matchName, reinterpret_cast<LPARAM>(&search));
    return reinterpret_cast<messenger::OwnerWindow>(search.found);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto files = platform::makeWin32TextFiles();
    auto launcher = messenger::makeShellLauncher();
    forms::App app("PingrelGUI");
    pingrelgui::Context context{app, *files, *launcher, platform::programFolder(), realWindowOf};
    pingrelgui::Program program(context);
    program.start();
    return app.run();
}
