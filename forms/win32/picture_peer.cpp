// A picture box: one of the program's icons, centred on the back colour.
#include "forms/picture.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class PicturePeer : public ControlPeerBase, public Picture::Peer {
public:
    explicit PicturePeer(Picture& picture) : ControlPeerBase(picture), picture_(picture) {
        create(L"STATIC", SS_OWNERDRAW, 0, "");
        loadIcon();
    }
    ~PicturePeer() override {
        if (icon_) DestroyIcon(icon_);
    }

    void update(Picture::Aspect) override {
        loadIcon();
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    bool onDrawItem(const DRAWITEMSTRUCT& item) override {
        FillRect(item.hDC, &item.rcItem, background_.get(picture_.backColor()));
        if (icon_) {
            int x = (item.rcItem.right - item.rcItem.left - 32) / 2, y = (item.rcItem.bottom - item.rcItem.top - 32) / 2;
            DrawIconEx(item.hDC, x > 0 ? x : 0, y > 0 ? y : 0, icon_, 32, 32, 0, nullptr, DI_NORMAL);
        }
        return true;
    }

private:
    void loadIcon() {
        if (icon_) DestroyIcon(icon_);
        icon_ = nullptr;
        if (picture_.iconResource())
            icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture_.iconResource()),
                                                  IMAGE_ICON, 32, 32, 0));
    }
    Picture& picture_;
    HICON icon_ = nullptr;
};

}  // namespace forms::win32

std::unique_ptr<forms::Picture::Peer> forms::makePeer(Picture& picture) { return std::make_unique<win32::PicturePeer>(picture); }
