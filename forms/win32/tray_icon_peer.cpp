// The notification-area icon of a window: added while active, removed when
// it goes inactive or its window's real window goes.
#include "win32_peer.hpp"

#include <shellapi.h>

#include "forms/tray_icon.hpp"
#include "platform/win32_text.hpp"
#include "window_peer.hpp"

namespace forms::win32 {

class TrayIconPeer : public TrayIcon::Peer, public OwnerMessageHook {
public:
    explicit TrayIconPeer(TrayIcon& icon) : icon_(&icon) {
        if (icon.active()) add();
    }
    ~TrayIconPeer() override {
        remove();
        if (image_) DestroyIcon(image_);
    }

    void update(TrayIcon::Aspect what) override {
        if (what == TrayIcon::Aspect::Active) {
            if (icon_->active()) add();
            else remove();
        } else if (added_) {
            NOTIFYICONDATAW data = record();
            Shell_NotifyIconW(NIM_MODIFY, &data);
        }
    }
    // The balloon fields of the record: the shell shows the balloon beside
    // the icon and drops it after a while or when the next one comes.
    bool showBalloon(const Balloon& balloon) override {
        if (!added_) return false;
        NOTIFYICONDATAW data = record();
        data.uFlags = NIF_INFO;
        copyInto(data.szInfoTitle, balloon.title);
        copyInto(data.szInfo, balloon.text);
        data.uTimeout = 10000;  // the least the shell allows; it decides
        data.dwInfoFlags = infoFlags(balloon.icon);
        return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }
    void sync(Property) override {}
    void focus() override {}
    void orphan() override {
        remove();
        icon_ = nullptr;
    }

    // The shell reports mouse activity over the icon to its owner window.
    bool onOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kTrayCallbackMessage || !icon_ || !added_ || wParam != id_) return false;
        result = 0;
        icon_->userNotified(static_cast<int>(LOWORD(lParam)));
        return true;
    }

private:
    static DWORD infoFlags(BalloonIcon icon) {
        switch (icon) {
            case BalloonIcon::Information: return NIIF_INFO;
            case BalloonIcon::Warning: return NIIF_WARNING;
            case BalloonIcon::Error: return NIIF_ERROR;
            case BalloonIcon::None: break;
        }
        return NIIF_NONE;
    }
    // The model cut the text to fit; the terminator always fits.
    template <size_t N>
    static void copyInto(WCHAR (&field)[N], const std::string& text) {
        const std::wstring wide = platform::widen(text);
        lstrcpynW(field, wide.c_str(), static_cast<int>(N));
    }

    // The shell knows the icon by its owner window and id, which stay as they
    // were when it was added.
    NOTIFYICONDATAW record() {
        NOTIFYICONDATAW data{};
        // The layout with the balloon fields that every system from Windows
        // 2000 on takes: sizeof follows the headers' target version, and a
        // system refuses a record longer than the ones it knows.
        data.cbSize = NOTIFYICONDATAW_V2_SIZE;
        data.hWnd = owner_;
        data.uID = id_;
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayCallbackMessage;
        if (!image_) {
            int id = icon_ && icon_->iconResource() ? icon_->iconResource() : 1;
            image_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        }
        data.hIcon = image_ ? image_ : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
        std::wstring tip = icon_ ? platform::widen(icon_->tip()) : std::wstring();
        lstrcpynW(data.szTip, tip.c_str(), static_cast<int>(sizeof data.szTip / sizeof data.szTip[0]));
        return data;
    }

    void add() {
        auto* window = static_cast<WindowPeerImpl*>(icon_->window().peer());
        if (added_ || !window) return;
        owner_ = window->hwnd();
        id_ = static_cast<UINT>(trayIconId(*icon_));
        NOTIFYICONDATAW data = record();
        added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
        icon_->setShown(added_);
    }

    void remove() {
        if (!added_) return;
        NOTIFYICONDATAW data = record();
        Shell_NotifyIconW(NIM_DELETE, &data);
        added_ = false;
    }

    TrayIcon* icon_;  // null once the model object is gone
    HWND owner_ = nullptr;
    UINT id_ = 0;
    HICON image_ = nullptr;
    bool added_ = false;
};

}  // namespace forms::win32

std::unique_ptr<forms::TrayIcon::Peer> forms::makePeer(TrayIcon& icon) { return std::make_unique<win32::TrayIconPeer>(icon); }
