#pragma once
// Internal to the Win32 backend: the program side (event loop, boxes).
#include <windows.h>

#include "forms/peer.hpp"

namespace forms::win32 {

// The owner of a box: our own active window, so that the box is modal to it.
HWND ownWindowForBox();

class Win32AppPeer : public AppPeer {
public:
    Win32AppPeer();
    ~Win32AppPeer() override;
    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::string inputBox(const InputBoxRequest& request) override;  // input_box.cpp
    std::string clipboardText() override;
    bool setClipboardText(const std::string& text) override;
    int run() override;
    void quit() override;
    void processPendingEvents() override;
    // The owner of windows that have no taskbar button of their own.
    HWND hiddenOwner();

private:
    bool quit_ = false;
    HWND hiddenOwner_ = nullptr;
};

}  // namespace forms::win32
