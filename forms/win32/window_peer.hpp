#pragma once
// Internal to the Win32 backend: the real top-level window of a form.
#include <windows.h>

#include <string>

#include "forms/peer.hpp"
#include "forms/window.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

// The command id of a menu item: this plus its index among the window's items.
constexpr UINT kFirstMenuId = 1000;

class WindowPeerImpl : public WindowPeer {
public:
    explicit WindowPeerImpl(Window& window);
    ~WindowPeerImpl() override;

    HWND hwnd() const { return hwnd_; }

    void sync(WindowProperty what) override;
    void orphan() override;
    void show() override;
    void hide() override;
    void bringToFront() override;
    void popupMenu(MenuItem& menu) override;

    // Tool tips of the window's controls (an inner window shares its control's tip).
    void setToolTip(HWND control, HWND inner, const std::string& text);
    void removeToolTip(HWND control, HWND inner);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void buildMenuBar();
    HMENU buildPopup(const MenuItem& parent);
    bool hasMenuBar() const;
    void applyWindowState();
    void restoreFocus();
    // Offers a message to the controls' peers that hook their window's messages.
    bool offerToControls(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    Window& window_;
    HWND hwnd_ = nullptr;
    HMENU menuBar_ = nullptr;
    HWND toolTips_ = nullptr;
    Brush background_;
    int dpi_ = 96;
};

}  // namespace forms::win32
