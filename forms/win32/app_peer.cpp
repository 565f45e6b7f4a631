// The program side of the Win32 backend: the event loop, message boxes, and
// the factories that give every model object its real window.
#include <windows.h>
#include <commctrl.h>

#include "forms/app.hpp"
#include "platform/win32_text.hpp"
#include "app_peer.hpp"
#include "win32_peer.hpp"
#include "window_peer.hpp"

namespace forms {
namespace win32 {

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

}  // namespace

HWND ownWindowForBox() {
    HWND active = GetActiveWindow();
    if (active) return active;
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground) GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

namespace {

// Another program may hold the clipboard for a moment: a few short tries.
bool openClipboard(HWND owner) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

}  // namespace

Win32AppPeer::Win32AppPeer(App& app) : app_(app) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

Win32AppPeer::~Win32AppPeer() {
    if (hiddenOwner_) DestroyWindow(hiddenOwner_);
    if (backgroundResults_) DestroyWindow(backgroundResults_);
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

std::string Win32AppPeer::clipboardText() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !openClipboard(hiddenOwner())) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = platform::narrow(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool Win32AppPeer::setClipboardText(const std::string& text) {
    std::wstring wide = platform::widen(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory) return false;
    if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
        wide.copy(target, wide.size());
        target[wide.size()] = L'\0';
        GlobalUnlock(memory);
    }
    // Our hidden window owns the clipboard: with no owner, SetClipboardData may fail.
    if (!openClipboard(hiddenOwner())) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the system owns it now
    CloseClipboard();
    if (!placed) GlobalFree(memory);
    return placed;
}

int Win32AppPeer::run() {
    MSG message;
    while (!quit_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (translateShortcut(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

namespace {
int pendingEventDepth = 0;  // handlers now inside processPendingEvents
}  // namespace

bool handlingPendingEvents() { return pendingEventDepth > 0; }

void Win32AppPeer::processPendingEvents() {
    struct Depth {
        Depth() { ++pendingEventDepth; }
        ~Depth() { --pendingEventDepth; }
    } depth;
    MSG message;
    while (!quit_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {  // for the event loop to see
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (translateShortcut(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32AppPeer::quit() {
    quit_ = true;
    PostQuitMessage(0);
}

}  // namespace win32

std::unique_ptr<AppPeer> makeAppPeer(App& app) { return std::make_unique<win32::Win32AppPeer>(app); }

std::unique_ptr<WindowPeer> makeWindowPeer(Window& window) { return std::make_unique<win32::WindowPeerImpl>(window); }

}  // namespace forms
