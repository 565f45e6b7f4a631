// A group frame: a group-box button. A group box leaves its inside unpainted,
// and the window clips its children out of its own background, so the frame
// fills its inside itself, leaving out the controls placed over it (whatever
// their Z-order: a control made again later lies below the frame).
#include "forms/frame.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class FramePeer : public ControlPeerBase, public Frame::Peer {
public:
    explicit FramePeer(Frame& frame) : ControlPeerBase(frame), frame_(frame) {
        create(L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0, frame.caption());
    }

    void update(Frame::Aspect) override {
        SetWindowTextW(hwnd_, platform::widen(frame_.caption()).c_str());
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    // A frame never takes the focus (a group box would pass it on, but the
    // model keeps it away entirely).
    void focus() override {}

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETFOCUS) {  // a click straight on the group box: the focus goes back
            if (auto previous = reinterpret_cast<HWND>(wParam); previous && IsWindow(previous)) SetFocus(previous);
            return 0;
        }
        if (message != WM_ERASEBKGND) return ControlPeerBase::handle(message, wParam, lParam);
        auto dc = reinterpret_cast<HDC>(wParam);
        int saved = SaveDC(dc);
        for (HWND sibling = GetWindow(GetParent(hwnd_), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (sibling == hwnd_ || !IsWindowVisible(sibling)) continue;
            RECT r;
            GetWindowRect(sibling, &r);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(dc, &client, background_.get(frame_.backColor()));
        RestoreDC(dc, saved);
        return 1;
    }

private:
    Frame& frame_;
};

}  // namespace forms::win32

std::unique_ptr<forms::Frame::Peer> forms::makePeer(Frame& frame) { return std::make_unique<win32::FramePeer>(frame); }
