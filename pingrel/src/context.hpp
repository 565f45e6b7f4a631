#pragma once
// Everything Pingrel needs from outside its windows, made once in WinMain (or a test).
#include <string>

#include "forms/app.hpp"
#include "messenger/sender.hpp"
#include "platform/clock.hpp"
#include "platform/shell.hpp"
#include "platform/system_info.hpp"
#include "platform/text_files.hpp"

namespace pingrel {

struct Context {
    forms::App& app;
    platform::TextFiles& files;
    messenger::Sender& sender;  // every send of a message goes through it
    platform::Clock& clock;
    platform::Shell& shell;
    platform::SystemInfo& system;
    // The folder that holds the program (where its store files live).
    std::string programFolder;
};

}  // namespace pingrel
