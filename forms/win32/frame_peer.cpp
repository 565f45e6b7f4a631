// A group frame: a group-box button. It stays at the bottom of its siblings
// and clips them out of its drawing, so the controls placed over it are never
// painted over when the frame redraws.
#include "forms/frame.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class FramePeer : public ControlPeerBase, public Frame::Peer {
public:
    explicit FramePeer(Frame& frame) : ControlPeerBase(frame), frame_(frame) {
        create(L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0, frame.caption());
        SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    void update(Frame::Aspect) override { SetWindowTextW(hwnd_, platform::widen(frame_.caption()).c_str()); }

    // A frame never takes the focus (a group box would pass it on, but the
    // model keeps it away entirely).
    void focus() override {}

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGING) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOZORDER)) pos->hwndInsertAfter = HWND_BOTTOM;
        }
        return ControlPeerBase::handle(message, wParam, lParam);
    }

private:
    Frame& frame_;
};

}  // namespace forms::win32

std::unique_ptr<forms::Frame::Peer> forms::makePeer(Frame& frame) { return std::make_unique<win32::FramePeer>(frame); }
