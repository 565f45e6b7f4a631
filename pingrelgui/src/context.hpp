#pragma once
// Everything PingrelGUI needs from outside its window, made once in WinMain (or a test).
#include <functional>
#include <string>

#include "forms/app.hpp"
#include "forms/window.hpp"
#include "messenger/target_launcher.hpp"
#include "platform/text_files.hpp"

namespace pingrelgui {

struct Context {
    forms::App& app;
    platform::TextFiles& files;
    messenger::TargetLauncher& launcher;
    // The folder that holds the program (where its address book lives).
    std::string programFolder;
    // The real window behind a window, as the owner of what the shell shows.
    std::function<messenger::OwnerWindow(const forms::Window&)> ownerOf;
};

}  // namespace pingrelgui
