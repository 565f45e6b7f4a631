// Tarrow on Windows: the real services, the real windows, and the main window first.
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
    auto clock = platform::makeSystemClock();
    auto cases = platform::makeSystemCaseMapping();
    forms::App app("Tarrow");
    messenger::Sender sender(app, runner, messenger::makeWin32DeliveryRoute());
    tarrow::Context context{app, *settings, runner, *clock, *cases, sender};
    tarrow::Program program(context);
    program.start();
    return app.run();
}
