#pragma once
// Everything Velnote needs from outside its windows, made once in WinMain (or a test).
#include "forms/app.hpp"
#include "messenger/sender.hpp"
#include "platform/settings_store.hpp"

namespace velnote {

// The application name of every value Velnote keeps in the settings store.
constexpr const char* kApplication = "Velnote";

struct Context {
    forms::App& app;
    platform::SettingsStore& settings;
    messenger::Sender& sender;  // every message goes through it
};

}  // namespace velnote
