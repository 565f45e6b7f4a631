#pragma once
// Internal to the Win32 backend: the real top-level window of a form.
#include <windows.h>

#include <string>
#include <vector>

#include "forms/peer.hpp"
#include "forms/window.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

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
    void runModal() override;

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
    // Enables again the windows a modal run disabled, and ends that run.
    void endModal();
    // Offers a message to the controls' peers that hook their window's messages.
    bool offerToControls(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    Window& window_;
    HWND hwnd_ = nullptr;
    HMENU menuBar_ = nullptr;
    HWND toolTips_ = nullptr;
    Brush background_;
    int dpi_ = 96;
    bool modal_ = false;
    std::vector<HWND> disabledByModal_;
};

}  // namespace forms::win32
