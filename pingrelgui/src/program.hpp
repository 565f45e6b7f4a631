#pragma once
// PingrelGUI's one window, made with the program's context.
#include "context.hpp"
#include "main_window.hpp"

namespace pingrelgui {

struct Program {
    explicit Program(Context& context) : mainWindow(context) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void start() { mainWindow.show(); }

    MainWindow mainWindow;
};

}  // namespace pingrelgui
