#pragma once
// Internal to the Win32 backend: the program side (event loop, boxes).
#include <windows.h>

#include "forms/peer.hpp"

namespace forms::win32 {

class Win32AppPeer : public AppPeer {
public:
    Win32AppPeer();
    ~Win32AppPeer() override;
    MessageResult messageBox(const MessageBoxRequest& request) override;
    int run() override;
    void quit() override;
    // The owner of windows that have no taskbar button of their own.
    HWND hiddenOwner();

private:
    bool quit_ = false;
    HWND hiddenOwner_ = nullptr;
};

}  // namespace forms::win32
