#pragma once
// Everything PingrelGUI needs from outside its window, made once in WinMain (or a test).
#include <string>

#include "forms/app.hpp"
#include "messenger/process_runner.hpp"
#include "platform/text_files.hpp"

namespace pingrelgui {

struct Context {
    forms::App& app;
    platform::TextFiles& files;
    messenger::ProcessRunner& runner;
    // The folder that holds the program (where its address book lives).
    std::string programFolder;
};

}  // namespace pingrelgui
