// The notification-area icon of a window: added while active, removed when
// it goes inactive or its window's real window goes.
#include "win32_peer.hpp"

#include <shellapi.h>

#include "forms/tray_icon.hpp"
#include "platform/win32_text.hpp"
#include "window_peer.hpp"

namespace forms::win32 {

class TrayIconPeer : public ControlPeer {
public:
    explicit TrayIconPeer(TrayIcon& icon) : icon_(icon) {
        if (icon_.active()) add();
    }
    ~TrayIconPeer() override {
        remove();
        if (image_) DestroyIcon(image_);
    }

    void sync(Property what) override {
        if (what == Property::Active) {
            if (icon_.active()) add();
            else remove();
        } else if (what == Property::Caption && added_) {
            NOTIFYICONDATAW data = record();
            Shell_NotifyIconW(NIM_MODIFY, &data);
        }
    }
    void focus() override {}

private:
    NOTIFYICONDATAW record() {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = static_cast<WindowPeerImpl*>(icon_.window().peer())->hwnd();
        data.uID = static_cast<UINT>(trayIconId(icon_));
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayCallbackMessage;
        if (!image_) {
            int id = icon_.iconResource() ? icon_.iconResource() : 1;
            image_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        }
        data.hIcon = image_ ? image_ : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
        std::wstring tip = platform::widen(icon_.tip());
        lstrcpynW(data.szTip, tip.c_str(), static_cast<int>(sizeof data.szTip / sizeof data.szTip[0]));
        return data;
    }

    void add() {
        if (added_) return;
        NOTIFYICONDATAW data = record();
        added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
        icon_.setShown(added_);
    }

    void remove() {
        if (!added_) return;
        NOTIFYICONDATAW data = record();
        Shell_NotifyIconW(NIM_DELETE, &data);
        added_ = false;
    }

    TrayIcon& icon_;
    HICON image_ = nullptr;
    bool added_ = false;
};

std::unique_ptr<ControlPeer> makeTrayIconPeer(TrayIcon& icon) { return std::make_unique<TrayIconPeer>(icon); }

}  // namespace forms::win32
