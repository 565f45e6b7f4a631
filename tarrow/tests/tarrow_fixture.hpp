#pragma once
// A fresh Tarrow for each test: in-memory store, recording runner, a fixed
// clock, a sender on a system with the Messenger service (or without it,
// delivering through a scripted transport), all five windows, and a user
// who acts on them.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/headless/driver.hpp"
#include "forms/headless/expect_box.hpp"
#include "messenger/recording_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/memory_settings_store.hpp"
#include "program.hpp"
#include "platform/fixed_clock.hpp"
#include "platform/simple_case_mapping.hpp"

namespace tarrow::testing {

using Strings = std::vector<std::string>;

// Records every start; a start from a command line and one through the shell
// can each be made to fail on its own.
class SplitRunner : public messenger::RecordingRunner {
public:
    std::optional<messenger::StartResult> runFailure, shellFailure;
    messenger::StartResult run(const std::string& commandLine, messenger::WindowStyle style) override {
        messenger::StartResult result = RecordingRunner::run(commandLine, style);
        return runFailure ? *runFailure : result;
    }
    messenger::StartResult shellExecute(const messenger::ShellExecuteRequest& request) override {
        messenger::StartResult result = RecordingRunner::shellExecute(request);
        return shellFailure ? *shellFailure : result;
    }
};

inline messenger::StartResult failure(std::uint32_t number, const std::string& text) {
    messenger::StartResult result;
    result.errorNumber = number;
    result.errorText = text;
    return result;
}

// Where the system has no Messenger service: takes every message and records "<computer>|<text>".
struct RecordingTransport : messenger::Transport {
    Strings delivered;
    messenger::TransportResult deliver(const std::string& computer, const std::string&,
                                       const std::string& text) override {
        delivered.push_back(computer + "|" + text);
        return {messenger::TransportResult::Kind::Delivered, ""};
    }
};

struct Tarrow : ::testing::Test {
    explicit Tarrow(bool messengerService = true)
        : sender(app, runner, {messengerService, "HERE", {transport}}) {}

    platform::MemorySettingsStore store;
    SplitRunner runner;
    platform::FixedClock clock{{2026, 12, 8, 17, 39, 9}};  // 08/12/2026 17:39:09
    forms::App app{"Tarrow"};
    platform::SimpleCaseMapping cases;
    std::shared_ptr<RecordingTransport> transport = std::make_shared<RecordingTransport>();
    messenger::Sender sender;
    Context context{app, store, runner, clock, cases, sender};
    Program program{context};
    MainWindow& form = program.mainWindow;
    forms::headless::Driver user{app};

    void start() { program.start(); }
    void save(const char* section, const std::string& key, const std::string& value) {
        store.writeValue("Quillon", section, key, value);
    }
    std::string stored(const char* section, const std::string& key) { return store.readValue("Quillon", section, key); }
    bool has(const char* section, const std::string& key) const { return store.hasKey("Quillon", section, key); }
    // The commands the sender started, once the work it had in hand is done
    // and every outcome is back.
    Strings startedCommands() {
        user.finishBackgroundWork();
        Strings commands;
        for (const auto& started : runner.starts()) commands.push_back(started.commandLine);
        return commands;
    }
    void expectBox(const std::string& text, const std::string& title,
                   forms::MessageButtons buttons = forms::MessageButtons::Ok,
                   forms::MessageIcon icon = forms::MessageIcon::None) {
        forms::headless::expectBox(user, text, title, buttons, icon);
    }
    // Presses Backspace in a box until it is empty, as a user clears it.
    void erase(forms::TextBox& box) {
        for (int guard = 0; !box.text().empty() && guard < 10000; ++guard) user.pressKey(box, forms::keys::Back);
    }
};

}  // namespace tarrow::testing
