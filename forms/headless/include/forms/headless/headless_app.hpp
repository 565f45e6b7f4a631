#pragma once
// The headless backend's program side: modal boxes are answered from a queue
// given in advance, and every box shown is recorded.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/peer.hpp"
#include "forms/tray_icon.hpp"

namespace forms::headless {

class HeadlessAppPeer : public AppPeer {
public:
    // Answers the next box from the queue; a box with no answer queued throws,
    // so that the test that did not expect it fails, naming it.
    MessageResult messageBox(const MessageBoxRequest& request) override;
    // Input boxes likewise, from their own queue (no text: Cancel).
    std::string inputBox(const InputBoxRequest& request) override;
    // An in-memory clipboard, which a test can make refuse to open.
    std::string clipboardText() override { return refuseClipboard ? std::string() : clipboard; }
    bool setClipboardText(const std::string& text) override;
    int run() override { return 0; }
    // Runs the next of pendingEventActions, as if the user had acted meanwhile.
    void processPendingEvents() override;
    void quit() override { quitRequested_ = true; }
    // Background work waits here until the test lets it finish (Driver::finishBackgroundWork).
    void startBackgroundWork(std::function<std::function<void()>()> work) override {
        backgroundWork.push_back(std::move(work));
    }
    std::deque<std::function<std::function<void()>()>> backgroundWork;

    std::deque<MessageResult> answers;
    // Makes the system refuse notification-area icons, as a shell without one does.
    bool refuseTrayIcons = false;
    std::vector<Balloon> balloons;  // shown from notification-area icons, oldest first
    std::vector<MessageBoxRequest> boxes;
    std::vector<std::string> popups;  // names of the menus shown as pop-ups
    std::deque<std::optional<std::string>> inputAnswers;
    std::vector<InputBoxRequest> inputBoxes;
    std::string clipboard;
    bool refuseClipboard = false;
    // What the user does while a window is shown modally, by window, in order.
    std::deque<std::pair<const Window*, std::function<void()>>> modalActions;
    std::deque<std::function<void()>> pendingEventActions;
    std::vector<std::string> busyWindows;  // a window's name each time it became busy
    bool quitRequested() const { return quitRequested_; }

private:
    bool quitRequested_ = false;
};

}  // namespace forms::headless
