#include "win32_peer.hpp"

#include "forms/app.hpp"
#include "platform/win32_text.hpp"
#include "window_peer.hpp"

#include <stdexcept>
#include <vector>

#include "forms/tray_icon.hpp"

namespace forms::win32 {

void tagWindow(HWND hwnd, const std::string& name) {
    ATOM atom = GlobalAddAtomW(encodeAtomName(platform::widen(name)).c_str());
    SetPropW(hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

void untagWindow(HWND hwnd) {
    auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropW(hwnd, kNameProperty)));
    if (atom) GlobalDeleteAtom(atom);
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

COLORREF toColorRef(Color color) {
    if (isSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

namespace {

struct SharedFont {
    Font font;
    int dpi;
    HFONT handle;
    int users;
};

// A window holds a handful of distinct fonts, so a short list serves.
std::vector<SharedFont>& sharedFonts() {
    static std::vector<SharedFont> fonts;
    return fonts;
}

}  // namespace

HFONT acquireFont(const Font& font, int dpi) {
    for (SharedFont& shared : sharedFonts())
        if (shared.dpi == dpi && shared.font == font) {
            ++shared.users;
            return shared.handle;
        }
    int height = -MulDiv(static_cast<int>(font.size * 100 + 0.5), dpi, 7200);
    HFONT handle = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, platform::widen(font.name).c_str());
    if (handle) sharedFonts().push_back({font, dpi, handle, 1});
    return handle;
}

void releaseFont(HFONT font) {
    auto& fonts = sharedFonts();
    for (auto it = fonts.begin(); it != fonts.end(); ++it)
        if (it->handle == font) {
            if (--it->users == 0) {
                DeleteObject(font);
                fonts.erase(it);
            }
            return;
        }
}

HBRUSH Brush::get(Color color) {
    if (brush_ && color == color_) return brush_;
    release();
    color_ = color;
    brush_ = CreateSolidBrush(toColorRef(color));
    return brush_;
}

void Brush::release() {
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
}

HWND parentHwnd(Control& control) {
    auto* window = static_cast<WindowPeerImpl*>(control.window().peer());
    return window ? window->hwnd() : nullptr;
}

std::string creationError(const std::string& name, unsigned long error) {
    return "The window \"" + name + "\" could not be created (system error " + std::to_string(error) + ").";
}

void showInternalError(const std::string& text) {
    MessageBoxW(nullptr, platform::widen(text).c_str(), L"Internal error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

int trayIconId(const Control& icon) {
    int id = 0;
    for (Control* control : icon.window().controls()) {
        if (dynamic_cast<TrayIcon*>(control)) ++id;
        if (control == &icon) return id;
    }
    return id;
}

int currentShiftState() {
    int state = 0;
    if (GetKeyState(VK_SHIFT) < 0) state |= shift::Shift;
    if (GetKeyState(VK_CONTROL) < 0) state |= shift::Ctrl;
    if (GetKeyState(VK_MENU) < 0) state |= shift::Alt;
    return state;
}

std::string readWindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return platform::narrow(text);
}

ControlPeerBase::~ControlPeerBase() {
    orphan();
    if (hwnd_) DestroyWindow(hwnd_);
    if (font_) releaseFont(font_);
}

// Unhooks the real window from the model, so that no message reaches it any
// more; the real window itself goes with the peer.
void ControlPeerBase::orphan() {
    if (orphaned_ || !hwnd_) return;
    orphaned_ = true;
    if (inner_) {
        SetWindowLongPtrW(inner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(innerProc_));
        SetWindowLongPtrW(inner_, GWLP_USERDATA, 0);
    }
    if (auto* window = static_cast<WindowPeerImpl*>(control_.window().peer())) window->removeToolTip(hwnd_, inner_);
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    untagWindow(hwnd_);
}

ControlPeerBase* ControlPeerBase::fromHwnd(HWND hwnd) {
    return reinterpret_cast<ControlPeerBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void ControlPeerBase::create(const wchar_t* windowClass, DWORD style, DWORD exStyle, const std::string& text,
                             int extraHeightPixels) {
    dpi_ = screenDpi();
    extraHeight_ = extraHeightPixels;
    const Rect& r = control_.bounds();
    if (control_.visible()) style |= WS_VISIBLE;
    if (!control_.enabled()) style |= WS_DISABLED;
    hwnd_ = CreateWindowExW(exStyle, windowClass, platform::widen(text).c_str(), style | WS_CHILD,
                            toPixels(r.left, dpi_), toPixels(r.top, dpi_), toPixels(r.width, dpi_),
                            toPixels(r.height, dpi_) + extraHeight_, parentHwnd(control_), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw std::runtime_error(creationError(control_.name(), GetLastError()));
    tagWindow(hwnd_, control_.name());
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlPeerBase::subclassProc)));
    sync(Property::Font);
    if (!control_.toolTip().empty()) sync(Property::ToolTip);
}

void ControlPeerBase::subclassInner(HWND inner) {
    if (!inner) return;
    inner_ = inner;
    SetWindowLongPtrW(inner_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    innerProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(inner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlPeerBase::subclassProc)));
    if (!control_.toolTip().empty()) sync(Property::ToolTip);
}

void ControlPeerBase::applyBounds() {
    const Rect& r = control_.bounds();
    SetWindowPos(hwnd_, nullptr, toPixels(r.left, dpi_), toPixels(r.top, dpi_), toPixels(r.width, dpi_),
                 toPixels(r.height, dpi_) + extraHeight_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlPeerBase::sync(Property what) {
    if (!hwnd_) return;
    syncing_ = true;
    switch (what) {
        case Property::Bounds: applyBounds(); break;
        case Property::Visible: ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE); break;
        case Property::Enabled: EnableWindow(hwnd_, control_.enabled()); break;
        case Property::Font: {
            HFONT old = font_;
            font_ = acquireFont(control_.font(), dpi_);
            SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
            if (old) releaseFont(old);
            break;
        }
        case Property::BackColor:
        case Property::ForeColor: InvalidateRect(hwnd_, nullptr, TRUE); break;
        case Property::ToolTip:
            if (auto* window = static_cast<WindowPeerImpl*>(control_.window().peer()))
                window->setToolTip(hwnd_, inner_, control_.toolTip());
            break;
        default: break;
    }
    syncing_ = false;
}

// The focus already in the inner window (an editable combo's edit field) is
// the control's: moving it through the outer window would only bounce it.
// A control of a window not yet (or no longer) on screen only keeps the
// model's focus, which the window's show gives it: SetFocus would activate
// the hidden window, and a window activated before its program is in front
// keeps an inactive (grey) caption under Wine when it then comes to the front.
void ControlPeerBase::focus() {
    if (!hwnd_ || !IsWindowVisible(GetAncestor(hwnd_, GA_ROOT))) return;
    HWND now = GetFocus();
    if (now != hwnd_ && (!inner_ || now != inner_)) SetFocus(hwnd_);
}

HBRUSH ControlPeerBase::onCtlColor(HDC hdc) {
    SetTextColor(hdc, toColorRef(control_.enabled() ? control_.foreColor() : colors::GrayText));
    SetBkColor(hdc, toColorRef(control_.backColor()));
    return background_.get(control_.backColor());
}

// Keys go to the model first: a key it swallows (or Tab, which moves the
// focus) never reaches the control, nor does the character that follows it.
void ControlPeerBase::holdRedrawUntilIdle() {
    if (redrawHeld_ || !hwnd_) return;
    redrawHeld_ = true;
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    PostMessageW(hwnd_, kResumeRedrawMessage, 0, 0);
}

void ControlPeerBase::resumeRedraw() {
    KillTimer(hwnd_, kResumeRedrawTimer);
    if (!redrawHeld_) return;
    redrawHeld_ = false;
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT ControlPeerBase::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kResumeRedrawMessage:
            // Still inside a handler that goes on filling: draw a little later.
            if (redrawHeld_ && handlingPendingEvents()) SetTimer(hwnd_, kResumeRedrawTimer, kRedrawIntervalMs, nullptr);
            else resumeRedraw();
            return 0;
        case WM_TIMER:
            if (wParam != kResumeRedrawTimer) break;
            resumeRedraw();
            return 0;
        // Keys held with Alt (and F10) come as system keys: the model hears of
        // them as of any other key, and the system then does its own with them.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            swallowChar_ = false;
            if (!control_.userKeyDown(static_cast<int>(wParam), currentShiftState())) {
                swallowChar_ = true;
                return 0;
            }
            break;
        case WM_SYSCHAR:
            if (swallowChar_) {
                swallowChar_ = false;
                return 0;
            }
            break;
        case WM_CHAR:
            if (swallowChar_) {
                swallowChar_ = false;
                return 0;
            }
            if (!control_.userKeyPress(static_cast<int>(wParam))) return 0;
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            control_.userKeyUp(static_cast<int>(wParam), currentShiftState());
            break;
        case WM_SETCURSOR:
            // The window's wait cursor wins over the control's own.
            if (control_.window().busy()) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
                return TRUE;
            }
            if (control_.cursor() == Cursor::Hand) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            if (!control_.toolTip().empty())
                if (auto* window = static_cast<WindowPeerImpl*>(control_.window().peer()))
                    window->relayToToolTip(current_, message, wParam, lParam);
            break;
        case WM_SETFOCUS: {
            LRESULT result = original(message, wParam, lParam);
            control_.window().focusArrived(control_);
            return result;
        }
        default: break;
    }
    return original(message, wParam, lParam);
}

LRESULT CALLBACK ControlPeerBase::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlPeerBase* peer = fromHwnd(hwnd);
    if (!peer) return DefWindowProcW(hwnd, message, wParam, lParam);
    // Keeps this peer alive until the handlers it starts have returned.
    App::Dispatch dispatch(peer->control_.window().app());
    HWND previous = peer->current_;
    peer->current_ = hwnd;
    LRESULT result = guarded([&] { return peer->handle(message, wParam, lParam); });
    peer->current_ = previous;
    return result;
}

}  // namespace forms::win32
