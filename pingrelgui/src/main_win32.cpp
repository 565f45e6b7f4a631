// PingrelGUI on Windows: the real services, the real window.
#include <windows.h>

#include "context.hpp"
#include "forms/app.hpp"
#include "messenger/sender.hpp"
#include "messenger/win32_delivery_route.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_services.hpp"
#include "program.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto files = platform::makeWin32TextFiles();
    messenger::ProcessRunner& runner = messenger::win32ProcessRunner();
    forms::App app("PingrelGUI");
    messenger::Sender sender(app, runner, messenger::makeWin32DeliveryRoute());
    pingrelgui::Context context{app, *files, runner, platform::programFolder(), sender};
    pingrelgui::Program program(context);
    program.start();
    return app.run();
}
