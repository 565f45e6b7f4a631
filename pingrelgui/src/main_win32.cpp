// PingrelGUI on Windows: the real services, the real window.
#include <windows.h>

#include "context.hpp"
#include "forms/app.hpp"
#include "forms/win32/named_window.hpp"
#include "messenger/win32_process_runner.hpp"
#include "platform/win32_services.hpp"
#include "program.hpp"

namespace {

// The top-level window of this thread that carries the form's name.
messenger::OwnerWindow realWindowOf(const forms::Window& window) {
    return reinterpret_cast<messenger::OwnerWindow>(forms::win32::threadWindowNamed(window.name()));
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
