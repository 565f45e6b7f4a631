// Pingrel on Windows: the real services, the frame with the main window inside.
#include <windows.h>

#include <string>

#include "context.hpp"
#include "forms/app.hpp"
#include "forms/win32/automation_tags.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_lan_services.hpp"
#include "platform/win32_services.hpp"
#include "platform/win32_shell.hpp"
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
platform::ShellOwner realWindowOf(const forms::Window& window) {
    Search search{platform::widen(window.name())};
    EnumThreadWindows(GetCurrentThreadId(), matchName, reinterpret_cast<LPARAM>(&search));
    return reinterpret_cast<platform::ShellOwner>(search.found);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto files = platform::makeWin32TextFiles();
    auto runner = messenger::makeWin32ProcessRunner();
    auto clock = platform::makeSystemClock();
    auto shell = platform::makeWin32Shell();
    auto system = platform::makeWin32SystemInfo();
    forms::App app("Pingrel");
    pingrel::Context context{app,    *files, *runner, *clock, *shell, *system, platform::programFolder(),
                             realWindowOf};
    pingrel::Program program(context);
    program.start();
    return app.run();
}
