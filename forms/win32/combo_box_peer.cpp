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

    // The system clears an editable combo's edit field with its list; the
    // model keeps its text.
    void itemsCleared() override {
        ItemListPeer::itemsCleared();
        syncText();
    }

protected:
    // A text that another program sets in the edit field, or in the combo
    // (which passes it on to its edit field), reaches the model. The combo
    // sets its edit field itself while it handles a pick or our own
    // messages: that text is not from outside.
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        const bool outerWindow = currentWindow() == hwnd_;
        if (message == WM_SETTEXT && !syncing_ && comboBusy_ == 0 && combo_.style() == ComboStyle::DropDown) {
            syncing_ = true;
            LRESULT result = handleCounted(outerWindow, message, wParam, lParam);
            syncing_ = false;
            combo_.textSetOutside(readWindowText(hwnd_));
            return result;
        }
        return handleCounted(outerWindow, message, wParam, lParam);
    }

private:
    LRESULT handleCounted(bool outerWindow, UINT message, WPARAM wParam, LPARAM lParam) {
        if (!outerWindow) return ItemListPeer::handle(message, wParam, lParam);
        struct Busy {
            int& depth;
            explicit Busy(int& d) : depth(++d) {}
            ~Busy() { --depth; }
        } busy(comboBusy_);
        return ItemListPeer::handle(message, wParam, lParam);
    }

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
    int comboBusy_ = 0;  // messages of the combo's own window being handled
};

}  // namespace forms::win32

std::unique_ptr<forms::ComboBox::Peer> forms::makePeer(ComboBox& combo) { return std::make_unique<win32::ComboBoxPeer>(combo); }
