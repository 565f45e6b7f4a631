// Velnote on Windows: the real services, the real windows, and the program.
#include <windows.h>

#include "context.hpp"
#include "forms/app.hpp"
#include "messenger/sender.hpp"
#include "messenger/win32_delivery_route.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_services.hpp"
#include "program.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto settings = platform::makeRegistrySettingsStore();
    messenger::ProcessRunner& runner = messenger::win32ProcessRunner();
    forms::App app("Velnote");
    messenger::Sender sender(app, runner, messenger::makeWin32DeliveryRoute());
    velnote::Context context{app, *settings, sender};
    velnote::Program program(context);
    program.start();
    return app.run();
}
