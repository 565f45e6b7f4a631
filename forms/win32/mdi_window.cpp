// MDI on the real windows: a frame's client area is the system's MDI client
// window, and its children are MDI child windows inside it. Menu shortcuts
// of any window are an accelerator table that the message loop applies.
#include <vector>

#include "forms/mdi_frame.hpp"
#include "forms/menu.hpp"
#include "platform/win32_text.hpp"
#include "window_peer.hpp"

#include <stdexcept>

namespace forms::win32 {

namespace {

// Ids the client window would give children listed in a window menu; the
// frames here have none, and menu item ids stay below.
constexpr UINT kFirstChildId = 0xFF00;

}  // namespace

void WindowPeerImpl::createMdiClient() {
    CLIENTCREATESTRUCT client{nullptr, kFirstChildId};
    RECT area{};
    GetClientRect(hwnd_, &area);
    // All child styles: a child's border and buttons are the model's.
    mdiClient_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES,
                                 0, 0, area.right, area.bottom, hwnd_, nullptr, GetModuleHandleW(nullptr), &client);
    if (!mdiClient_) throw std::runtime_error(creationError(window_.name(), GetLastError()));
    SetPropW(hwnd_, kMdiClientProperty, mdiClient_);
}

// A child is made hidden; show() then activates it in its frame.
void WindowPeerImpl::createMdiChild() {
    auto* frame = static_cast<WindowPeerImpl*>(window_.mdiParent()->peer());
    frameClient_ = frame ? frame->mdiClient_ : nullptr;
    if (!frameClient_) throw std::runtime_error(creationError(window_.name(), ERROR_INVALID_WINDOW_HANDLE));
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
    if (window_.minButton()) style |= WS_MINIMIZEBOX;
    if (window_.maxButton()) style |= WS_MAXIMIZEBOX;
    if (window_.borderStyle() == BorderStyle::Sizable) style |= WS_THICKFRAME;
    const DWORD exStyle = WS_EX_MDICHILD;
    const Rect& bounds = window_.bounds();
    RECT outer{0, 0, toPixels(bounds.width, dpi_), toPixels(bounds.height, dpi_)};
    if (!window_.outerSize()) AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const bool placed = window_.startPosition() != StartPosition::WindowsDefault;
    const int x = placed ? toPixels(bounds.left, dpi_) : CW_USEDEFAULT;
    const int y = placed ? toPixels(bounds.top, dpi_) : CW_USEDEFAULT;
    hwnd_ = CreateWindowExW(exStyle, L"FormsWindow", platform::widen(window_.caption()).c_str(), style, x, y,
                            outer.right - outer.left, outer.bottom - outer.top, frameClient_, nullptr,
                            GetModuleHandleW(nullptr), this);
    if (!hwnd_) throw std::runtime_error(creationError(window_.name(), GetLastError()));
    tagWindow(hwnd_, window_.name());
}

void WindowPeerImpl::buildAccelerators() {
    std::vector<ACCEL> table;
    for (MenuItem* item : window_.menuItems()) {
        const Shortcut& keys = item->shortcut();
        if (!keys.key) continue;
        BYTE flags = FVIRTKEY;
        if (keys.shift & shift::Ctrl) flags |= FCONTROL;
        if (keys.shift & shift::Shift) flags |= FSHIFT;
        if (keys.shift & shift::Alt) flags |= FALT;
        table.push_back(ACCEL{flags, static_cast<WORD>(keys.key), static_cast<WORD>(kFirstMenuId + item->index())});
    }
    HACCEL old = accelerators_;
    accelerators_ = table.empty() ? nullptr : CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    if (accelerators_) SetPropW(hwnd_, kAcceleratorsProperty, accelerators_);
    else RemovePropW(hwnd_, kAcceleratorsProperty);
    if (old) DestroyAcceleratorTable(old);
}

LRESULT WindowPeerImpl::defaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (mdiClient_) return DefFrameProcW(hwnd_, mdiClient_, message, wParam, lParam);
    if (frameClient_) return DefMDIChildProcW(hwnd_, message, wParam, lParam);
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// A window whose model has gone still behaves as what it is until destroyed.
LRESULT WindowPeerImpl::orphanedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) return DefMDIChildProcW(hwnd, message, wParam, lParam);
    if (auto client = static_cast<HWND>(GetPropW(hwnd, kMdiClientProperty)))
        return DefFrameProcW(hwnd, client, message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The shortcuts are those of the top-level window the message is for (an MDI
// child's are its frame's); an MDI frame also takes the system's keys for
// its children (Ctrl+F4, Ctrl+F6).
bool translateShortcut(MSG& message) {
    if (!message.hwnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root) return false;
    if (auto client = static_cast<HWND>(GetPropW(root, kMdiClientProperty)))
        if (TranslateMDISysAccel(client, &message)) return true;
    auto table = static_cast<HACCEL>(GetPropW(root, kAcceleratorsProperty));
    if (!table) return false;
    // The table also holds the shortcuts of disabled items (or of items under
    // a disabled menu), and would swallow their keys: those go on as keys.
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        auto* peer = reinterpret_cast<WindowPeerImpl*>(GetWindowLongPtrW(root, GWLP_USERDATA));
        if (!peer || !findShortcut(peer->window(), Shortcut{currentShiftState(), static_cast<int>(message.wParam)}))
            return false;
    }
    return TranslateAcceleratorW(root, table, &message);
}

}  // namespace forms::win32
