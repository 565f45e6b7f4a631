// A label: a static text in the label's own colours and font.
#include "forms/label.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class LabelPeer : public ControlPeerBase, public Label::Peer {
public:
    explicit LabelPeer(Label& label) : ControlPeerBase(label), label_(label) {
        create(L"STATIC", SS_NOTIFY | alignmentStyle(), 0, label.caption());
    }

    void update(Label::Aspect what) override {
        switch (what) {
            case Label::Aspect::Caption: SetWindowTextW(hwnd_, platform::widen(label_.caption()).c_str()); break;
            case Label::Aspect::Alignment:
                SetWindowLongPtrW(hwnd_, GWL_STYLE,
                                  (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~(SS_LEFT | SS_CENTER | SS_RIGHT)) |
                                      alignmentStyle());
                break;
        }
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    bool onCommand(WORD code) override {
        if (code == STN_CLICKED) label_.userClick();
        else if (code == STN_DBLCLK) label_.userDoubleClick();
        else return false;
        return true;
    }

private:
    DWORD alignmentStyle() const {
        switch (label_.alignment()) {
            case Alignment::Center: return SS_CENTER;
            case Alignment::Right: return SS_RIGHT;
            default: return SS_LEFT;
        }
    }
    Label& label_;
};

}  // namespace forms::win32

std::unique_ptr<forms::Label::Peer> forms::makePeer(Label& label) { return std::make_unique<win32::LabelPeer>(label); }
