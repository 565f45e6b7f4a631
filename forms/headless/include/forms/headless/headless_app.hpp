#pragma once
// The headless backend's program side: modal boxes are answered from a queue
// given in advance, and every box shown is recorded.
#include <deque>
#include <string>
#include <vector>

#include "forms/peer.hpp"

namespace forms::headless {

class HeadlessAppPeer : public AppPeer {
public:
    // Answers the next box from the queue; a box with no answer queued throws,
    // so that the test that did not expect it fails, naming it.
    MessageResult messageBox(const MessageBoxRequest& request) override;
    int run() override { return 0; }
    void quit() override { quitRequested_ = true; }

    std::deque<MessageResult> answers;
    // Makes the system refuse notification-area icons, as a shell without one does.
    bool refuseTrayIcons = false;
    std::vector<MessageBoxRequest> boxes;
    std::vector<std::string> popups;  // names of the menus shown as pop-ups
    bool quitRequested() const { return quitRequested_; }

private:
    bool quitRequested_ = false;
};

}  // namespace forms::headless
