#pragma once
// A running Velnote on the headless backend, with an in-memory store, a
// recording runner and a user who acts on its windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless/driver.hpp"
#include "messenger/recording_runner.hpp"
#include "platform/memory_settings_store.hpp"
#include "program.hpp"

namespace velnote {

struct VelnoteFixture : ::testing::Test {
    platform::MemorySettingsStore store;
    messenger::RecordingRunner runner;
    forms::App app{"Velnote"};
    Context context{app, store, runner};
    Program program{context};
    MainWindow& main = program.mainWindow;
    forms::headless::Driver user{app};

    void save(const char* section, const std::string& key, const std::string& value) {
        store.writeValue("Velnote", section, key, value);
    }
    std::string stored(const char* section, const std::string& key) { return store.readValue("Velnote", section, key); }

    // Exactly one box was shown since the last check, this one; it is then forgotten.
    void expectBox(const std::string& text, const std::string& title, forms::MessageButtons buttons,
                   forms::MessageIcon icon) {
        ASSERT_EQ(1u, user.boxes().size()) << "boxes shown";
        const forms::MessageBoxRequest& box = user.boxes().back();
        EXPECT_EQ(text, box.text);
        EXPECT_EQ(title, box.title);
        EXPECT_EQ(buttons, box.buttons);
        EXPECT_EQ(icon, box.icon);
        user.clearBoxes();
    }
};

using Strings = std::vector<std::string>;

}  // namespace velnote
