// The program side of the Win32 backend: the event loop, message boxes, and
// the factories that give every model object its real window.
#include <windows.h>
#include <commctrl.h>

#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/check_box.hpp"
#include "forms/combo_box.hpp"
#include "forms/list_box.hpp"
#include "forms/picture.hpp"
#include "forms/scroll_bar.hpp"
#include "forms/tray_icon.hpp"
#include "forms/label.hpp"
#include "forms/status_bar.hpp"
#include "forms/text_box.hpp"
#include "platform/win32_text.hpp"
#include "app_peer.hpp"
#include "win32_peer.hpp"
#include "window_peer.hpp"

namespace forms {
namespace win32 {

std::unique_ptr<ControlPeer> makeLabelPeer(Label& label);
std::unique_ptr<ControlPeer> makeTextBoxPeer(TextBox& box);
std::unique_ptr<ControlPeer> makeComboBoxPeer(ComboBox& combo);
std::unique_ptr<ControlPeer> makeButtonPeer(Button& button);
std::unique_ptr<ControlPeer> makeStatusBarPeer(StatusBar& bar);
std::unique_ptr<ControlPeer> makeListBoxPeer(ListBox& list);
std::unique_ptr<ControlPeer> makeCheckBoxPeer(CheckBox& box);
std::unique_ptr<ControlPeer> makeScrollBarPeer(ScrollBar& bar);
std::unique_ptr<ControlPeer> makePicturePeer(Picture& picture);
std::unique_ptr<ControlPeer> makeTrayIconPeer(TrayIcon& icon);

namespace {

UINT buttonFlags(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel: return MB_OKCANCEL;
        case MessageButtons::AbortRetryIgnore: return MB_ABORTRETRYIGNORE;
        case MessageButtons::YesNoCancel: return MB_YESNOCANCEL;
        case MessageButtons::YesNo: return MB_YESNO;
        case MessageButtons::RetryCancel: return MB_RETRYCANCEL;
        default: return MB_OK;
    }
}

UINT iconFlags(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical: return MB_ICONHAND;
        case MessageIcon::Question: return MB_ICONQUESTION;
        case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
        case MessageIcon::Information: return MB_ICONASTERISK;
        default: return 0;
    }
}

// The owner of a box: our own active window, so that the box is modal to it.
HWND ownWindowForBox() {
    HWND active = GetActiveWindow();
    if (active) return active;
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground) GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

}  // namespace

Win32AppPeer::Win32AppPeer() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

Win32AppPeer::~Win32AppPeer() {
    if (hiddenOwner_) DestroyWindow(hiddenOwner_);
}

HWND Win32AppPeer::hiddenOwner() {
    // A window that is never shown: windows it owns get no taskbar button.
    if (!hiddenOwner_)
        hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    return hiddenOwner_;
}

MessageResult Win32AppPeer::messageBox(const MessageBoxRequest& request) {
    HWND owner = ownWindowForBox();
    UINT flags = buttonFlags(request.buttons) | iconFlags(request.icon) | (owner ? 0 : MB_TASKMODAL);
    int result = MessageBoxW(owner, platform::widen(request.text).c_str(), platform::widen(request.title).c_str(), flags);
    return result ? static_cast<MessageResult>(result) : MessageResult::Cancel;
}

int Win32AppPeer::run() {
    MSG message;
    while (!quit_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void Win32AppPeer::quit() {
    quit_ = true;
    PostQuitMessage(0);
}

}  // namespace win32

std::unique_ptr<AppPeer> makeAppPeer(App&) { return std::make_unique<win32::Win32AppPeer>(); }

std::unique_ptr<WindowPeer> makeWindowPeer(Window& window) { return std::make_unique<win32::WindowPeerImpl>(window); }

std::unique_ptr<ControlPeer> makeControlPeer(Control& control) {
    switch (control.kind()) {
        case ControlKind::Label: return win32::makeLabelPeer(static_cast<Label&>(control));
        case ControlKind::TextBox: return win32::makeTextBoxPeer(static_cast<TextBox&>(control));
        case ControlKind::ComboBox: return win32::makeComboBoxPeer(static_cast<ComboBox&>(control));
        case ControlKind::Button: return win32::makeButtonPeer(static_cast<Button&>(control));
        case ControlKind::StatusBar: return win32::makeStatusBarPeer(static_cast<StatusBar&>(control));
        case ControlKind::ListBox: return win32::makeListBoxPeer(static_cast<ListBox&>(control));
        case ControlKind::CheckBox: return win32::makeCheckBoxPeer(static_cast<CheckBox&>(control));
        case ControlKind::ScrollBar: return win32::makeScrollBarPeer(static_cast<ScrollBar&>(control));
        case ControlKind::Picture: return win32::makePicturePeer(static_cast<Picture&>(control));
        case ControlKind::TrayIcon: return win32::makeTrayIconPeer(static_cast<TrayIcon&>(control));
    }
    return nullptr;
}

}  // namespace forms
