// Vorlane on Windows: the real LAN Manager calls, the real windows, and the main window first.
#include <windows.h>

#include "context.hpp"
#include "forms/app.hpp"
#include "platform/win32_lan_services.hpp"
#include "program.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto lanManager = platform::makeNetApiLanManager();
    auto system = platform::makeWin32SystemInfo();
    forms::App app("Vorlane");
    vorlane::Context context{app, *lanManager, *system};
    vorlane::Program program(context);
    program.start();
    return app.run();
}
