#pragma once
// Internal to the Win32 backend: the real top-level window of a form.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "forms/peer.hpp"
#include "forms/window.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

// Properties of a top-level window that the message loop reads: the table of
// its menu shortcuts, and an MDI frame's client window.
constexpr const wchar_t* kAcceleratorsProperty = L"FormsAccelerators";
constexpr const wchar_t* kMdiClientProperty = L"FormsMdiClient";

// Lets the window (an MDI frame or a child of one, too) that a message is
// for take it as a menu shortcut before it is dispatched; true when taken.
bool translateShortcut(MSG& message);

// The command id of a menu item: this plus its index among the window's items.
constexpr UINT kFirstMenuId = 1000;

class WindowPeerImpl : public WindowPeer {
public:
    explicit WindowPeerImpl(Window& window);
    ~WindowPeerImpl() override;

    HWND hwnd() const { return hwnd_; }
    Window& window() const { return window_; }

    void sync(WindowProperty what) override;
    void orphan() override;
    void show() override;
    void hide() override;
    void bringToFront() override;
    void popupMenu(MenuItem& menu) override;
    void runModal() override;
    NativeHandle nativeHandle() const override { return {reinterpret_cast<std::uintptr_t>(hwnd_)}; }

    // Tool tips of the window's controls (an inner window shares its control's tip).
    void setToolTip(HWND control, HWND inner, const std::string& text);
    void removeToolTip(HWND control, HWND inner);
    // Shows the tool tips the mouse message for a control's window calls for.
    void relayToToolTip(HWND tool, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool fromControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool fromMenu(UINT message, WPARAM wParam, LPARAM lParam);
    bool ofWindow(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool ofActivation(UINT message, WPARAM wParam, LPARAM lParam);
    void buildMenuBar();
    HMENU buildPopup(const MenuItem& parent);
    bool hasMenuBar() const;
    void applyWindowState();
    void restoreFocus();
    // MDI: the frame's client window, and a child's real window in it.
    void createMdiClient();
    void createMdiChild();
    void offerClose();
    void buildAccelerators();
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT orphanedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Enables again the windows a modal run disabled, and ends that run.
    void endModal();
    // Creates the tip window and gives it every tool (on the first mouse
    // message for a control with a tip: a window that is never pointed at
    // never pays for one).
    void createToolTips();
    void addTool(HWND tool, std::wstring& text);
    // Offers a message to the controls' peers that hook their window's messages.
    bool offerToControls(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    Window& window_;
    HWND hwnd_ = nullptr;
    HMENU menuBar_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HWND mdiClient_ = nullptr;    // a frame's
    HWND frameClient_ = nullptr;  // a child's: its frame's client window
    HWND toolTips_ = nullptr;
    std::map<HWND, std::wstring> tips_;  // each tool's text
    Brush background_;
    int dpi_ = 96;
    bool modal_ = false;
    std::vector<HWND> disabledByModal_;
};

}  // namespace forms::win32
