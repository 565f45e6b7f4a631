// Pingrel on Windows: the real services, the frame with the main window inside.
#include <windows.h>

#include "context.hpp"
#include "forms/app.hpp"
#include "messenger/win32_delivery_route.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_lan_services.hpp"
#include "platform/win32_services.hpp"
#include "platform/win32_shell.hpp"
#include "program.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto files = platform::makeWin32TextFiles();
    messenger::ProcessRunner& runner = messenger::win32ProcessRunner();
    auto clock = platform::makeSystemClock();
    auto shell = platform::makeWin32Shell();
    auto system = platform::makeWin32SystemInfo();
    forms::App app("Pingrel");
    messenger::Sender sender(app, runner, messenger::makeWin32DeliveryRoute());
    pingrel::Context context{app, *files, sender, *clock, *shell, *system, platform::programFolder()};
    pingrel::Program program(context);
    program.start();
    return app.run();
}
