// A check box. The model flips the tick on a click, so the control does not
// tick itself (BS_CHECKBOX, not BS_AUTOCHECKBOX).
#include "forms/check_box.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class CheckBoxPeer : public ControlPeerBase, public CheckBox::Peer {
public:
    explicit CheckBoxPeer(CheckBox& box) : ControlPeerBase(box), box_(box) {
        create(L"BUTTON", BS_CHECKBOX | (box.tabStop() ? WS_TABSTOP : 0), 0, box.caption());
        update(CheckBox::Aspect::Checked);
    }

    void update(CheckBox::Aspect what) override {
        switch (what) {
            case CheckBox::Aspect::Checked:
                SendMessageW(hwnd_, BM_SETCHECK, box_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
                break;
            case CheckBox::Aspect::Caption: SetWindowTextW(hwnd_, platform::widen(box_.caption()).c_str()); break;
        }
    }

    bool onCommand(WORD code) override {
        if (code != BN_CLICKED) return false;
        box_.userToggled();
        return true;
    }

private:
    CheckBox& box_;
};

}  // namespace forms::win32

std::unique_ptr<forms::CheckBox::Peer> forms::makePeer(CheckBox& box) { return std::make_unique<win32::CheckBoxPeer>(box); }
