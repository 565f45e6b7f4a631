#pragma once
// Everything Vorlane needs from outside its windows, made once in WinMain (or a test).
#include "forms/app.hpp"
#include "messenger/sender.hpp"
#include "platform/lan_manager.hpp"
#include "platform/system_info.hpp"

namespace vorlane {

struct Context {
    forms::App& app;
    platform::LanManager& lanManager;
    // Delivers the message itself where LAN Manager has no message send.
    messenger::Sender& sender;
    platform::SystemInfo& system;
};

}  // namespace vorlane
