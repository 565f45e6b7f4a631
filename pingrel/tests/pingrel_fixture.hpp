#pragma once
// A fresh Pingrel for each test: its folder in memory files, a sender with a
// recording runner, a fixed clock, a scripted shell, its windows, and a user
// who acts on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless/driver.hpp"
#include "forms/headless/expect_box.hpp"
#include "messenger/recording_runner.hpp"
#include "platform/clock.hpp"
#include "platform/shell.hpp"
#include "platform/system_info.hpp"
#include "platform/memory_text_files.hpp"
#include "program.hpp"
#include "platform/fake_shell.hpp"
#include "platform/fake_system_info.hpp"
#include "platform/fixed_clock.hpp"

namespace pingrel::testing {

using Strings = std::vector<std::string>;
using forms::MessageButtons;
using forms::MessageIcon;
using forms::MessageResult;

const std::string kFolder = "C:\\Apps\\Pingrel";
const std::string kNetwork = kFolder + "\\network.txt";
const std::string kMessages = kFolder + "\\messages.txt";
const std::string kSig = kFolder + "\\sig.txt";
const std::string kSystem32 = "C:\\WINDOWS\\system32";

struct Pingrel : ::testing::Test {
    platform::MemoryTextFiles files;
    messenger::RecordingRunner runner;
    platform::FixedClock clock{{2026, 12, 9, 10, 30, 0}};
    platform::FakeShell shell;
    platform::FakeSystemInfo system;
    forms::App app{"Pingrel"};
    // A system with the Messenger service: each send is a watched `net send`.
    messenger::Sender sender{app, runner, messenger::DeliveryRoute{true, "HERE", {}}};
    Context context{app, files, sender, clock, shell, system, kFolder};
    Program program{context};
    FrameWindow& frame = program.frame;
    MainWindow& form = program.mainWindow;
    StoreWindow& store = program.storeWindow;
    forms::headless::Driver user{app};

    Pingrel() { shell.folders[platform::kSystemFolder] = kSystem32; }

    void start() { program.start(); }
    // Started, with the message box emptied.
    void startEmpty() {
        program.start();
        form.message.setText("");
    }
    // The command lines started, once the sends waiting in the background have run.
    Strings commands() {
        user.finishBackgroundWork();
        Strings out;
        for (const auto& start : runner.starts()) {
            EXPECT_EQ(messenger::WindowStyle::Hidden, start.style);
            EXPECT_TRUE(start.watched);
            out.push_back(start.commandLine);
        }
        return out;
    }
    // The next n boxes are answered with OK.
    void ok(int n = 1) {
        for (int i = 0; i < n; ++i) user.answer(MessageResult::Ok);
    }
    void expectBox(const std::string& text, const std::string& title, MessageButtons buttons, MessageIcon icon) {
        forms::headless::expectBox(user, text, title, buttons, icon);
    }
    void expectFailureBox(const std::string& text) { expectBox(text, "Pingrel", MessageButtons::Ok, MessageIcon::Exclamation); }
};

}  // namespace pingrel::testing
