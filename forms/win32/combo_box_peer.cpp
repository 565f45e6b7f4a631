// A drop-down list. Selections made by code do not raise CBN_SELCHANGE; the
// user's picks do, and are reported to the model.
#include "forms/combo_box.hpp"
#include "item_list_peer.hpp"

namespace forms::win32 {

class ComboBoxPeer : public ItemListPeer<ComboBox> {
public:
    explicit ComboBoxPeer(ComboBox& combo) : ItemListPeer(combo, kComboBoxMessages), combo_(combo) {
        bool editable = combo.style() == ComboStyle::DropDown;
        DWORD style = (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) | WS_VSCROLL |
                      (combo.tabStop() ? WS_TABSTOP : 0);
        // The height of a combo's window includes its open list.
        create(L"COMBOBOX", style, 0, "", 200);
        fill();
        if (editable) {
            // Keys and focus go to the edit field inside the combo.
            subclassInner(GetWindow(hwnd_, GW_CHILD));
            syncText();
        }
    }

    void update(ComboBox::Aspect what) override {
        if (what == ComboBox::Aspect::Selection) syncSelection();
        else syncText();
    }

    bool onCommand(WORD code) override {
        if (code == CBN_EDITCHANGE) {
            if (!syncing_) combo_.userEdited(readWindowText(hwnd_));
            return true;
        }
        if (code != CBN_SELCHANGE) return false;
        combo_.userSelected(static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)));
        return true;
    }

private:
    void syncText() {
        if (combo_.style() != ComboStyle::DropDown) return;
        syncing_ = true;
        SetWindowTextW(hwnd_, platform::widen(combo_.text()).c_str());
        syncing_ = false;
    }

    void fill() {
        fillItems();
        syncText();
    }
    ComboBox& combo_;
};

}  // namespace forms::win32

std::unique_ptr<forms::ComboBox::Peer> forms::makePeer(ComboBox& combo) { return std::make_unique<win32::ComboBoxPeer>(combo); }
