#pragma once
// Internal to the Win32 backend: the program side (event loop, boxes).
#include <windows.h>

#include "forms/app.hpp"
#include "forms/peer.hpp"

namespace forms::win32 {

// The owner of a box: our own active window, so that the box is modal to it.
HWND ownWindowForBox();

class Win32AppPeer : public AppPeer {
public:
    explicit Win32AppPeer(App& app);
    ~Win32AppPeer() override;
    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::string inputBox(const InputBoxRequest& request) override;  // input_box.cpp
    std::string clipboardText() override;
    bool setClipboardText(const std::string& text) override;
    int run() override;
    void quit() override;
    void processPendingEvents() override;
    void startBackgroundWork(std::function<std::function<void()>()> work) override;  // background_work.cpp
    // The window thread's part of a finished piece of work; how many are still running.
    void backgroundWorkDone(const std::function<void()>& result);
    int backgroundWorkWaiting() const { return backgroundWorkWaiting_; }
    // The owner of windows that have no taskbar button of their own.
    HWND hiddenOwner();

private:
    // The message-only window that finished background work posts its results to.
    HWND backgroundResults();

    App& app_;
    bool quit_ = false;
    HWND hiddenOwner_ = nullptr;
    HWND backgroundResults_ = nullptr;
    int backgroundWorkWaiting_ = 0;
};

}  // namespace forms::win32
