#pragma once
// Everything Vorlane needs from outside its windows, made once in WinMain (or a test).
#include "forms/app.hpp"
#include "platform/lan_manager.hpp"
#include "platform/system_info.hpp"

namespace vorlane {

struct Context {
    forms::App& app;
    platform::LanManager& lanManager;
    platform::SystemInfo& system;
};

}  // namespace vorlane
