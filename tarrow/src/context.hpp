#pragma once
// Everything Tarrow needs from outside its windows, made once in WinMain (or a test).
#include "forms/app.hpp"
#include "messenger/process_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/case_mapping.hpp"
#include "platform/clock.hpp"
#include "platform/settings_store.hpp"

namespace tarrow {

struct Context {
    forms::App& app;
    platform::SettingsStore& settings;
    messenger::ProcessRunner& runner;  // the About window's links
    platform::Clock& clock;
    platform::CaseMapping& cases;
    messenger::Sender& sender;  // every message
};

}  // namespace tarrow
