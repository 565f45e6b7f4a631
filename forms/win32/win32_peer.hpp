#pragma once
// Internal to the Win32 backend: the pieces every peer shares.
#include <windows.h>

#include <string>

#include "forms/control.hpp"
#include "forms/peer.hpp"
#include "forms/window.hpp"
#include "forms/win32/automation_tags.hpp"

namespace forms::win32 {

// Posted to a control whose drawing is held back: the program is back in its
// message loop, so the control draws again.
constexpr UINT kResumeRedrawMessage = WM_APP + 2;
// The timer that lets such a control draw now and then while a handler fills
// it and handles waiting events between items (see holdRedrawUntilIdle).
constexpr UINT_PTR kResumeRedrawTimer = 0x7E5D;
constexpr UINT kRedrawIntervalMs = 100;

// True while a handler has the program handle its waiting events
// (App::processPendingEvents): the program is not back in its message loop.
bool handlingPendingEvents();

void tagWindow(HWND hwnd, const std::string& name);
void untagWindow(HWND hwnd);

int screenDpi();
inline int toPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
COLORREF toColorRef(Color color);
// Fonts are shared: controls with the same font at the same dpi use one
// HFONT, created on first use and deleted when its last user releases it.
HFONT acquireFont(const Font& font, int dpi);
void releaseFont(HFONT font);

// The message of the error raised when a real window cannot be created.
std::string creationError(const std::string& name, unsigned long error);

// Shows an error that escaped a handler (UTF-8 text) in a task-modal box.
void showInternalError(const std::string& text);

// Runs a window procedure's body with exceptions kept inside it: a handler
// that throws shows the error and the program goes on.
template <typename Body>
LRESULT guarded(Body&& body, LRESULT failed = 0) {
    try {
        return body();
    } catch (const std::exception& error) {
        showInternalError(error.what());
    } catch (...) {
        showInternalError("Unknown error");
    }
    return failed;
}

// A solid brush owned by one peer, remade when its colour changes.
class Brush {
public:
    ~Brush() { release(); }
    HBRUSH get(Color color);

private:
    void release();
    HBRUSH brush_ = nullptr;
    Color color_ = 0;
};

// A peer that wants some of the messages its window gets (a status bar its
// new size, a notification-area icon the shell's reports). Returns true when
// it handled the message, with the window procedure's result.
class OwnerMessageHook {
public:
    virtual ~OwnerMessageHook() = default;
    virtual bool onOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
};

// Draws a push button as its window's default button, or not.
void markDefaultButton(ControlPeer* peer, bool isDefault);

// The base of every control's peer: a real child window, subclassed so that
// keys and focus reach the model first. The parent reflects WM_COMMAND,
// WM_NOTIFY, WM_CTLCOLOR* and WM_DRAWITEM to the child's peer.
class ControlPeerBase : public virtual ControlPeer {
public:
    explicit ControlPeerBase(Control& control) : control_(control) {}
    ~ControlPeerBase() override;

    HWND hwnd() const { return hwnd_; }
    Control& control() const { return control_; }
    static ControlPeerBase* fromHwnd(HWND hwnd);

    void sync(Property what) override;
    void focus() override;
    void orphan() override;

    // Reflected notifications; each returns true when it handled the message.
    virtual bool onCommand(WORD /*code*/) { return false; }
    virtual bool onNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    virtual HBRUSH onCtlColor(HDC hdc);
    virtual bool onDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool onScroll(WORD /*code*/, int /*position*/) { return false; }

protected:
    // Creates the child window with the model's common properties.
    void create(const wchar_t* windowClass, DWORD style, DWORD exStyle, const std::string& text,
                int extraHeightPixels = 0);
    // The subclass procedure; kinds override to add their own keys.
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT original(UINT message, WPARAM wParam, LPARAM lParam) {
        if (current_ && current_ == inner_) return CallWindowProcW(innerProc_, inner_, message, wParam, lParam);
        return CallWindowProcW(originalProc_, hwnd_, message, wParam, lParam);
    }
    // Sends a child window of the control (an editable combo's edit field)
    // through the same procedure, so that its keys and focus reach the model.
    void subclassInner(HWND inner);
    // The window whose message is being handled: the control's own, or its inner one.
    HWND currentWindow() const { return current_; }
    void applyBounds();
    int dpi() const { return dpi_; }
    // Holds back the control's drawing until the program is back in its
    // message loop, so that a list filled item by item (tens of thousands of
    // saved entries, say) does not redraw after every item. A handler that
    // has waiting events handled between items sees the control draw every
    // kRedrawIntervalMs instead.
    void holdRedrawUntilIdle();
    void resumeRedraw();

    Control& control_;
    HWND hwnd_ = nullptr;
    bool syncing_ = false;  // true while code changes the real window
    bool orphaned_ = false;  // the model object is gone: touch nothing of it
    Brush background_;

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC originalProc_ = nullptr;
    HWND inner_ = nullptr;
    WNDPROC innerProc_ = nullptr;
    HWND current_ = nullptr;  // the window whose message is being handled
    HFONT font_ = nullptr;
    int dpi_ = 96;
    int extraHeight_ = 0;
    bool swallowChar_ = false;
    bool redrawHeld_ = false;
};

HWND parentHwnd(Control& control);
// The id of a notification-area icon: its place among its window's icons, from 1.
int trayIconId(const Control& icon);
int currentShiftState();
std::string readWindowText(HWND hwnd);

}  // namespace forms::win32
