#pragma once
// A running Velnote on the headless backend, with an in-memory store, a
// recording runner behind its sender and a user who acts on its windows.
// What the sender started shows in the runner once the test has let the
// background work finish (user.finishBackgroundWork()).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless/driver.hpp"
#include "forms/headless/expect_box.hpp"
#include "messenger/recording_runner.hpp"
#include "platform/memory_settings_store.hpp"
#include "program.hpp"

namespace velnote {

struct VelnoteFixture : ::testing::Test {
    platform::MemorySettingsStore store;
    messenger::RecordingRunner runner;
    forms::App app{"Velnote"};
    // A system with the Messenger service: each send starts net, watched.
    messenger::Sender sender{app, runner, messenger::DeliveryRoute{true, "HERE", {}}};
    Context context{app, store, sender};
    Program program{context};
    MainWindow& main = program.mainWindow;
    forms::headless::Driver user{app};

    void save(const char* section, const std::string& key, const std::string& value) {
        store.writeValue("Velnote", section, key, value);
    }
    std::string stored(const char* section, const std::string& key) { return store.readValue("Velnote", section, key); }

    void expectBox(const std::string& text, const std::string& title, forms::MessageButtons buttons,
                   forms::MessageIcon icon) {
        forms::headless::expectBox(user, text, title, buttons, icon);
    }
};

using Strings = std::vector<std::string>;

}  // namespace velnote
