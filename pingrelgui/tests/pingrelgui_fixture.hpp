#pragma once
// A fresh PingrelGUI for each test: its folder in memory files, a recording
// runner, a sender on a system with the Messenger service (the sender's own
// tests cover the other way), its window, and a user who acts on it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless/driver.hpp"
#include "forms/headless/expect_box.hpp"
#include "messenger/recording_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/memory_text_files.hpp"
#include "program.hpp"

namespace pingrelgui::testing {

using Strings = std::vector<std::string>;
const std::string kNot = "\xC2\xAC";  // the separator, "¬"
const std::string kBook = "C:\\Apps\\PingrelGUI\\AddressBook.txt";
const std::string kFirstStatus = "Select an entry from the address book and hit Send to send to that user/computer..";
const std::string kSaved = "The address book has been updated and saved.";

struct PingrelGui : ::testing::Test {
    platform::MemoryTextFiles files;
    messenger::RecordingRunner runner;
    forms::App app{"PingrelGUI"};
    messenger::Sender sender{app, runner, {true, "HERE", {}}};
    Context context{app, files, runner, "C:\\Apps\\PingrelGUI", sender};
    Program program{context};
    MainWindow& form = program.mainWindow;
    forms::headless::Driver user{app};

    void start() { program.start(); }
    void startWith(const std::string& bookText) {
        files.setContents(kBook, bookText);
        start();
    }
    std::string status() const { return form.statusBar.text(); }
    Strings names() const {
        Strings out;
        for (int row = 0; row < form.addressBook.listCount(); ++row) out.push_back(form.addressBook.cellText(row, 0));
        return out;
    }
    std::string book() const { return files.contents(kBook); }
    // The command lines the sender started, once the work it had in hand is
    // done and every outcome is back.
    Strings sentCommands() {
        user.finishBackgroundWork();
        Strings out;
        for (const auto& start : runner.starts())
            if (!start.viaShell) out.push_back(start.commandLine);
        return out;
    }
    // What was handed to the shell, in order.
    std::vector<messenger::ShellExecuteRequest> launches() const {
        std::vector<messenger::ShellExecuteRequest> out;
        for (const auto& start : runner.starts())
            if (start.viaShell) out.push_back(start.request);
        return out;
    }
    // Adds an entry through the two input boxes.
    void add(const std::string& name, const std::string& description) {
        user.answerInput(name);
        user.answerInput(description);
        user.click(form.addButton);
    }
    void expectBox(const std::string& text, const std::string& title, forms::MessageButtons buttons,
                   forms::MessageIcon icon) {
        forms::headless::expectBox(user, text, title, buttons, icon);
    }
};

}  // namespace pingrelgui::testing
