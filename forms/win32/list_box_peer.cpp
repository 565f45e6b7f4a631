// A list box with single selection; code's selections raise no notification,
// the user's picks and double-clicks are reported to the model.
#include "forms/list_box.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class ListBoxPeer : public ControlPeerBase {
public:
    explicit ListBoxPeer(ListBox& list) : ControlPeerBase(list), list_(list) {
        create(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | (list.tabStop() ? WS_TABSTOP : 0),
               WS_EX_CLIENTEDGE, "");
        fill();
    }

    void sync(Property what) override {
        switch (what) {
            case Property::Items: fill(); break;
            case Property::ListIndex: SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0); break;
            default: ControlPeerBase::sync(what); break;
        }
    }

    void itemInserted(int index) override {
        holdRedrawUntilIdle();
        SendMessageW(hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(platform::widen(list_.item(index)).c_str()));
        // Only an item inserted above the selection moves it.
        if (list_.listIndex() > index) SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
    }
    void itemRemoved(int index) override {
        SendMessageW(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
    }
    void itemsCleared() override { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }

    bool onCommand(WORD code) override {
        if (code == LBN_SELCHANGE) list_.userSelected(static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)));
        else if (code == LBN_DBLCLK) list_.userDoubleClick();
        else return false;
        return true;
    }

private:
    void fill() {
        holdRedrawUntilIdle();
        SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
        for (const std::string& item : list_.items())
            SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::widen(item).c_str()));
        SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
    }
    ListBox& list_;
};

std::unique_ptr<ControlPeer> makeListBoxPeer(ListBox& list) { return std::make_unique<ListBoxPeer>(list); }

}  // namespace forms::win32
