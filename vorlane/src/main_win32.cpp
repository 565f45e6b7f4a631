// Vorlane on Windows: the real LAN Manager calls, the built-in delivery, the
// real windows, and the main window first.
#include <windows.h>

#include "context.hpp"
#include "forms/app.hpp"
#include "messenger/win32_delivery_route.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_lan_services.hpp"
#include "program.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto lanManager = platform::makeNetApiLanManager();
    auto system = platform::makeWin32SystemInfo();
    // The sender needs a runner; Vorlane only ever delivers through it, never starts net.
    messenger::ProcessRunner& runner = messenger::win32ProcessRunner();
    forms::App app("Vorlane");
    messenger::Sender sender(app, runner, messenger::makeWin32DeliveryRoute());
    vorlane::Context context{app, *lanManager, sender, *system};
    vorlane::Program program(context);
    program.start();
    return app.run();
}
