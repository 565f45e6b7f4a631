#pragma once
// Everything PingrelGUI needs from outside its window, made once in WinMain (or a test).
#include <string>

#include "forms/app.hpp"
#include "messenger/process_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/text_files.hpp"

namespace pingrelgui {

struct Context {
    forms::App& app;
    platform::TextFiles& files;
    messenger::ProcessRunner& runner;  // the About box's link, through the shell
    // The folder that holds the program (where its address book lives).
    std::string programFolder;
    messenger::Sender& sender;  // every message
};

}  // namespace pingrelgui
