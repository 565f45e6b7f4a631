// A vertical scroll bar. While the thumb is dragged only the thumb moves; the
// model hears of the new value when it is let go, or at once for clicks and keys.
#include <algorithm>

#include "forms/scroll_bar.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class ScrollBarPeer : public ControlPeerBase, public ScrollBar::Peer {
public:
    explicit ScrollBarPeer(ScrollBar& bar) : ControlPeerBase(bar), bar_(bar) {
        create(L"SCROLLBAR", SBS_VERT | (bar.tabStop() ? WS_TABSTOP : 0), 0, "");
        applyRange();
    }

    void update(ScrollBar::Aspect what) override {
        switch (what) {
            case ScrollBar::Aspect::Range: applyRange(); break;
            case ScrollBar::Aspect::Value: SetScrollPos(hwnd_, SB_CTL, bar_.value(), TRUE); break;
        }
    }

    bool onScroll(WORD code, int position) override {
        int value = bar_.value();
        switch (code) {
            case SB_LINEUP: value -= bar_.smallChange(); break;
            case SB_LINEDOWN: value += bar_.smallChange(); break;
            case SB_PAGEUP: value -= bar_.largeChange(); break;
            case SB_PAGEDOWN: value += bar_.largeChange(); break;
            case SB_TOP: value = bar_.min(); break;
            case SB_BOTTOM: value = bar_.max(); break;
            case SB_THUMBTRACK:
                SetScrollPos(hwnd_, SB_CTL, trackPosition(position), TRUE);
                return true;
            case SB_THUMBPOSITION: value = trackPosition(position); break;
            default: return true;  // SB_ENDSCROLL
        }
        value = std::max(bar_.min(), std::min(bar_.max(), value));
        SetScrollPos(hwnd_, SB_CTL, value, TRUE);
        bar_.userMoved(value);
        return true;
    }

private:
    // The thumb's position with full 32-bit range, as the message carries only 16 bits.
    int trackPosition(int fallback) {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        return GetScrollInfo(hwnd_, SB_CTL, &info) ? info.nTrackPos : fallback;
    }

    void applyRange() {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, bar_.min(), bar_.max(), 0, bar_.value(), 0};
        SetScrollInfo(hwnd_, SB_CTL, &info, TRUE);
    }

    ScrollBar& bar_;
};

}  // namespace forms::win32

std::unique_ptr<forms::ScrollBar::Peer> forms::makePeer(ScrollBar& bar) { return std::make_unique<win32::ScrollBarPeer>(bar); }
