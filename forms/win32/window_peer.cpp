#include "window_peer.hpp"

#include "busy_hook.hpp"

#include "forms/app.hpp"
#include "forms/control.hpp"
#include "forms/menu.hpp"
#include "forms/button.hpp"
#include "forms/mdi_frame.hpp"
#include "app_peer.hpp"
#include <commctrl.h>
#include "platform/win32_text.hpp"

#include <stdexcept>

namespace forms::win32 {

void (*busyShown)(const Window& window) = nullptr;

namespace {

constexpr const wchar_t* kWindowClass = L"FormsWindow";

void registerWindowClass(WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, kWindowClass, &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    // The program's icon is resource 1; the system's default otherwise.
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
}

DWORD styleOf(const Window& window) {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (window.minButton()) style |= WS_MINIMIZEBOX;
    if (window.maxButton()) style |= WS_MAXIMIZEBOX;
    if (window.borderStyle() == BorderStyle::Sizable) style |= WS_THICKFRAME;
    return style;
}

}  // namespace

WindowPeerImpl::WindowPeerImpl(Window& window) : window_(window) {
    registerWindowClass(&WindowPeerImpl::windowProc);
    dpi_ = screenDpi();
    if (window_.mdiParent()) {
        createMdiChild();
        offerClose();
        return;
    }
    DWORD style = styleOf(window_);
    DWORD exStyle = window_.borderStyle() == BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
    RECT frame{0, 0, toPixels(window_.bounds().width, dpi_), toPixels(window_.bounds().height, dpi_)};
    if (!window_.outerSize()) AdjustWindowRectEx(&frame, style, hasMenuBar(), exStyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int x = toPixels(window_.bounds().left, dpi_), y = toPixels(window_.bounds().top, dpi_);
    if (window_.startPosition() == StartPosition::CenterScreen) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + ((work.right - work.left) - width) / 2;
        y = work.top + ((work.bottom - work.top) - height) / 2;
    } else if (window_.startPosition() == StartPosition::WindowsDefault) {
        x = y = CW_USEDEFAULT;
    }
    HWND owner = window_.showInTaskbar() ? nullptr : static_cast<Win32AppPeer&>(window_.app().peer()).hiddenOwner();
    if (Window* ownerWindow = window_.owner())
        if (auto* ownerPeer = dynamic_cast<WindowPeerImpl*>(ownerWindow->peer())) owner = ownerPeer->hwnd();
    hwnd_ = CreateWindowExW(exStyle, kWindowClass, platform::widen(window_.caption()).c_str(), style, x, y, width,
                            height, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) throw std::runtime_error(creationError(window_.name(), GetLastError()));
    tagWindow(hwnd_, window_.name());
    if (window_.borderStyle() == BorderStyle::FixedDialog) {
        // Dialog frames carry no icon of their own.
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, 0);
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, 0);
    }
    offerClose();
    buildMenuBar();
    if (dynamic_cast<MdiFrame*>(&window_)) createMdiClient();
}

// A window the user may not close shows Close greyed in its system menu; the
// system then greys its close box too, and Ctrl+F4 passes an MDI child by.
void WindowPeerImpl::offerClose() {
    if (!window_.closable()) EnableMenuItem(GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

WindowPeerImpl::~WindowPeerImpl() {
    endModal();
    if (toolTips_) DestroyWindow(toolTips_);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    untagWindow(hwnd_);
    RemovePropW(hwnd_, kAcceleratorsProperty);
    if (frameClient_) {
        // The frame's client window keeps its list of children: it destroys
        // the child itself (and activates another). A frame already gone took
        // its children with it.
        if (IsWindow(frameClient_) && IsWindow(hwnd_))
            SendMessageW(frameClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd_), 0);
    } else {
        DestroyWindow(hwnd_);
    }
    if (menuBar_) DestroyMenu(menuBar_);
}

bool WindowPeerImpl::hasMenuBar() const {
    for (MenuItem* item : window_.menuBar())
        if (item->visible()) return true;
    return false;
}

HMENU WindowPeerImpl::buildPopup(const MenuItem& parent) {
    HMENU popup = CreatePopupMenu();
    for (MenuItem* child : parent.children()) {
        if (!child->visible()) continue;
        UINT flags = MF_STRING | (child->enabled() ? 0 : MF_GRAYED);
        std::wstring caption = platform::widen(child->caption());
        if (child->shortcut().key) caption += L"\t" + platform::widen(shortcutText(child->shortcut()));
        if (child->caption() == "-") {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        } else if (!child->children().empty()) {
            AppendMenuW(popup, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(buildPopup(*child)), caption.c_str());
        } else {
            AppendMenuW(popup, flags, kFirstMenuId + static_cast<UINT>(child->index()), caption.c_str());
        }
    }
    return popup;
}

void WindowPeerImpl::buildMenuBar() {
    if (frameClient_) return;  // an MDI child shares its frame's menu bar
    buildAccelerators();
    HMENU old = menuBar_;
    menuBar_ = nullptr;
    if (hasMenuBar()) {
        menuBar_ = CreateMenu();
        for (MenuItem* item : window_.menuBar()) {
            if (!item->visible()) continue;
            UINT flags = MF_STRING | (item->enabled() ? 0 : MF_GRAYED);
            std::wstring caption = platform::widen(item->caption());
            if (item->children().empty())
                AppendMenuW(menuBar_, flags, kFirstMenuId + static_cast<UINT>(item->index()), caption.c_str());
            else
                AppendMenuW(menuBar_, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(buildPopup(*item)), caption.c_str());
        }
    }
    SetMenu(hwnd_, menuBar_);
    if (old) DestroyMenu(old);
}

void WindowPeerImpl::popupMenu(MenuItem& menu) {
    HMENU popup = buildPopup(menu);
    POINT at{};
    GetCursorPos(&at);
    // The menu closes properly when the user clicks elsewhere only if the
    // window is in the foreground while it tracks.
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    PostMessageW(hwnd_, WM_NULL, 0, 0);
    DestroyMenu(popup);
}

void WindowPeerImpl::setToolTip(HWND control, HWND inner, const std::string& text) {
    removeToolTip(control, inner);
    if (text.empty()) return;
    for (HWND tool : {control, inner}) {
        if (!tool) continue;
        std::wstring& tip = tips_[tool] = platform::widen(text);
        if (toolTips_) addTool(tool, tip);
    }
}

void WindowPeerImpl::createToolTips() {
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, 400);
    for (auto& [tool, tip] : tips_) addTool(tool, tip);
}

void WindowPeerImpl::addTool(HWND tool, std::wstring& text) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    // No TTF_SUBCLASS: the control's peer relays its mouse messages. A
    // subclass of the tip's own would look up its data (a window property,
    // under Wine a round trip to the server) in every message the control
    // gets, a long list's tens of thousands of items too.
    info.uFlags = TTF_IDISHWND;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = &text[0];
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void WindowPeerImpl::relayToToolTip(HWND tool, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!tips_.count(tool)) return;
    if (!toolTips_) createToolTips();
    MSG relayed{};  // the tip control reads only the window, message and position
    relayed.hwnd = tool;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    SendMessageW(toolTips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void WindowPeerImpl::removeToolTip(HWND control, HWND inner) {
    for (HWND tool : {control, inner}) {
        if (!tool || !tips_.erase(tool) || !toolTips_) continue;
        TOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V1_SIZE;
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void WindowPeerImpl::applyWindowState() {
    switch (window_.windowState()) {
        case WindowState::Minimized: ShowWindow(hwnd_, SW_MINIMIZE); break;
        case WindowState::Maximized: ShowWindow(hwnd_, SW_MAXIMIZE); break;
        case WindowState::Normal: ShowWindow(hwnd_, SW_RESTORE); break;
    }
}

void WindowPeerImpl::sync(WindowProperty what) {
    if (!hwnd_) return;
    switch (what) {
        case WindowProperty::Caption: SetWindowTextW(hwnd_, platform::widen(window_.caption()).c_str()); break;
        case WindowProperty::BackColor:
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WindowProperty::Bounds: {
            RECT frame{0, 0, toPixels(window_.bounds().width, dpi_), toPixels(window_.bounds().height, dpi_)};
            if (!window_.outerSize())
                AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                                   GetMenu(hwnd_) != nullptr, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
            // An MDI child is placed by code in its frame; a top-level window keeps its place.
            SetWindowPos(hwnd_, nullptr, toPixels(window_.bounds().left, dpi_), toPixels(window_.bounds().top, dpi_),
                         frame.right - frame.left,
                         frame.bottom - frame.top, (frameClient_ ? 0 : SWP_NOMOVE) | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case WindowProperty::WindowState:
            if (window_.visible()) applyWindowState();
            break;
        case WindowProperty::Menu: buildMenuBar(); break;
        case WindowProperty::Busy:
            if (window_.busy()) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
                if (busyShown) busyShown(window_);
            } else {
                // A mouse move where the mouse is: each window then sets its own cursor again.
                POINT at{};
                if (GetCursorPos(&at)) SetCursorPos(at.x, at.y);
            }
            break;
        case WindowProperty::DefaultButton:
            for (Control* control : window_.controls())
                markDefaultButton(control->peer(), control == static_cast<Control*>(window_.defaultButton()));
            break;
    }
}

void WindowPeerImpl::orphan() {
    if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

bool WindowPeerImpl::offerToControls(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (Control* control : window_.controls())
        if (auto* hook = dynamic_cast<OwnerMessageHook*>(control->peer()))
            if (hook->onOwnerMessage(message, wParam, lParam, result)) return true;
    return false;
}

void WindowPeerImpl::show() {
    if (frameClient_) {
        WindowState state = window_.windowState();
        ShowWindow(hwnd_, state == WindowState::Maximized   ? SW_SHOWMAXIMIZED
                          : state == WindowState::Minimized ? SW_SHOWMINIMIZED
                                                            : SW_SHOW);
        SendMessageW(frameClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd_), 0);
        restoreFocus();
        return;
    }
    if (window_.windowState() == WindowState::Normal) {
        ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(hwnd_);
    } else {
        applyWindowState();
    }
    restoreFocus();
}

// Enabled again before it hides, the owner is the window that comes to the front.
void WindowPeerImpl::hide() {
    endModal();
    ShowWindow(hwnd_, SW_HIDE);
}

namespace {

struct ModalRun {
    HWND self;
    std::vector<HWND>* disabled;
};

// Disables each visible, enabled top-level window of the thread but the modal
// one and its own pop-ups (tool tips).
BOOL CALLBACK disableOtherWindow(HWND hwnd, LPARAM lParam) {
    auto* run = reinterpret_cast<ModalRun*>(lParam);
    if (hwnd != run->self && GetWindow(hwnd, GW_OWNER) != run->self && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        run->disabled->push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

// A message loop of its own until the window hides (an unload hides the
// retired peer too) or the program quits, whose quit message is passed on
// to the outer loop.
void WindowPeerImpl::runModal() {
    ModalRun run{hwnd_, &disabledByModal_};
    EnumThreadWindows(GetCurrentThreadId(), &disableOtherWindow, reinterpret_cast<LPARAM>(&run));
    modal_ = true;
    MSG message;
    while (modal_ && IsWindowVisible(hwnd_)) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    endModal();
}

void WindowPeerImpl::endModal() {
    modal_ = false;
    for (HWND hwnd : disabledByModal_)
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    disabledByModal_.clear();
}

void WindowPeerImpl::bringToFront() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    if (frameClient_) {
        SendMessageW(frameClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd_), 0);
        SetForegroundWindow(GetAncestor(hwnd_, GA_ROOT));
        return;
    }
    SetForegroundWindow(hwnd_);
    BringWindowToTop(hwnd_);
}

void WindowPeerImpl::restoreFocus() {
    Control* focused = window_.focused();
    if (focused && focused->peer()) focused->peer()->focus();
}

LRESULT CALLBACK WindowPeerImpl::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        void* self = create->lpCreateParams;
        // An MDI child's creation parameter comes wrapped by its frame's client window.
        if (create->dwExStyle & WS_EX_MDICHILD) self = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTW*>(self)->lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        static_cast<WindowPeerImpl*>(self)->hwnd_ = hwnd;
    }
    auto* peer = reinterpret_cast<WindowPeerImpl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!peer) return orphanedProc(hwnd, message, wParam, lParam);
    // Keeps this peer alive until the handlers it starts have returned.
    App::Dispatch dispatch(peer->window_.app());
    return guarded([&] { return peer->handle(message, wParam, lParam); });
}

// Each family of messages has its handler; a handler that takes a message
// whole says so and sets its result, otherwise the system's handling follows.
LRESULT WindowPeerImpl::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (fromControl(message, wParam, lParam, result) || fromMenu(message, wParam, lParam) ||
        ofWindow(message, wParam, lParam, result) || ofActivation(message, wParam, lParam))
        return result;
    return defaultProc(message, wParam, lParam);
}

// A control's notification, reflected to its peer (and the tray icon's).
bool WindowPeerImpl::fromControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            if (!lParam) return false;
            if (auto* child = ControlPeerBase::fromHwnd(reinterpret_cast<HWND>(lParam)))
                return child->onCommand(HIWORD(wParam));
            return false;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            auto* child = ControlPeerBase::fromHwnd(header->hwndFrom);
            return child && child->onNotify(header, result);
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (auto* child = ControlPeerBase::fromHwnd(reinterpret_cast<HWND>(lParam)))
                if (HBRUSH brush = child->onCtlColor(reinterpret_cast<HDC>(wParam))) {
                    result = reinterpret_cast<LRESULT>(brush);
                    return true;
                }
            return false;
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_MENU) return false;
            auto* child = ControlPeerBase::fromHwnd(item->hwndItem);
            result = TRUE;
            return child && child->onDrawItem(*item);
        }
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (!lParam) return false;
            if (auto* child = ControlPeerBase::fromHwnd(reinterpret_cast<HWND>(lParam)))
                return child->onScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return false;
        case kTrayCallbackMessage: return offerToControls(message, wParam, lParam, result);
        default: return false;
    }
}

// A menu item picked, or its shortcut pressed (which picks it as the model
// says it may).
bool WindowPeerImpl::fromMenu(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND || lParam || HIWORD(wParam) > 1) return false;
    const UINT id = LOWORD(wParam);
    const auto& items = window_.menuItems();
    if (id < kFirstMenuId || id >= kFirstMenuId + items.size()) return false;
    MenuItem* item = items[id - kFirstMenuId];
    if (HIWORD(wParam) == 0 || findShortcut(window_, item->shortcut()) == item) item->click();
    return true;
}

// The window's own background, cursor, closing and size.
bool WindowPeerImpl::ofWindow(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get(window_.backColor()));
            result = 1;
            return true;
        }
        case WM_SETCURSOR:  // the wait cursor while code blocks
            if (!window_.busy()) return false;
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
            result = TRUE;
            return true;
        // The close box, the system menu's Close, Ctrl+F4, or another program:
        // the model decides whether the window goes.
        case WM_CLOSE: window_.userClose(); return true;
        case WM_SIZE: {
            if (wParam == SIZE_MINIMIZED) window_.userSetWindowState(WindowState::Minimized);
            else if (wParam == SIZE_MAXIMIZED) window_.userSetWindowState(WindowState::Maximized);
            else if (wParam == SIZE_RESTORED) window_.userSetWindowState(WindowState::Normal);
            LRESULT ignored = 0;
            offerToControls(message, wParam, lParam, ignored);
            return false;
        }
        default: return false;
    }
}

// Activation and focus: the focus goes back where the model has it.
bool WindowPeerImpl::ofActivation(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MDIACTIVATE:  // to the child being deactivated and the one being activated
            if (frameClient_ && reinterpret_cast<HWND>(lParam) == hwnd_)
                if (MdiFrame* frame = window_.mdiParent()) frame->childActivated(window_);
            return false;
        case WM_SETFOCUS:
            // An MDI child gets the focus as it is activated: on to its control.
            if (!frameClient_ || !window_.focused()) return false;
            defaultProc(message, wParam, lParam);
            restoreFocus();
            return true;
        case WM_ACTIVATE:
            // Coming back to the window puts the focus where the model has it.
            if (LOWORD(wParam) == WA_INACTIVE || !window_.focused()) return false;
            restoreFocus();
            return true;
        default: return false;
    }
}

}  // namespace forms::win32
