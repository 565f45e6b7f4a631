// A drop-down list. Selections made by code do not raise CBN_SELCHANGE; the
// user's picks do, and are reported to the model.
#include "forms/combo_box.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class ComboBoxPeer : public ControlPeerBase {
public:
    explicit ComboBoxPeer(ComboBox& combo) : ControlPeerBase(combo), combo_(combo) {
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

    void sync(Property what) override {
        switch (what) {
            case Property::Items: fill(); break;
            case Property::ListIndex: SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0); break;
            case Property::Text: syncText(); break;
            default: ControlPeerBase::sync(what); break;
        }
    }

    void itemInserted(int index) override {
        holdRedrawUntilIdle();
        SendMessageW(hwnd_, CB_INSERTSTRING, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(platform::widen(combo_.item(index)).c_str()));
        // Only an item inserted above the selection moves it.
        if (combo_.listIndex() > index) SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
    }
    void itemRemoved(int index) override {
        SendMessageW(hwnd_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
    }
    void itemsCleared() override { SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0); }

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
        holdRedrawUntilIdle();
        SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : combo_.items())
            SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::widen(item).c_str()));
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
        syncText();
    }
    ComboBox& combo_;
};

std::unique_ptr<ControlPeer> makeComboBoxPeer(ComboBox& combo) { return std::make_unique<ComboBoxPeer>(combo); }

}  // namespace forms::win32
