// A list box with single selection; code's selections raise no notification,
// the user's picks and double-clicks are reported to the model.
#include "forms/list_box.hpp"
#include "item_list_peer.hpp"

namespace forms::win32 {

class ListBoxPeer : public ItemListPeer<ListBox> {
public:
    explicit ListBoxPeer(ListBox& list) : ItemListPeer(list, kListBoxMessages), list_(list) {
        // A TAB in an item moves on to the next tab stop instead of showing as a box.
        create(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS | WS_VSCROLL | (list.tabStop() ? WS_TABSTOP : 0),
               WS_EX_CLIENTEDGE, "");
        fillItems();
    }

    void update(ListBox::Aspect) override { syncSelection(); }

    bool onCommand(WORD code) override {
        if (code == LBN_SELCHANGE) list_.userSelected(static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)));
        else if (code == LBN_DBLCLK) list_.userDoubleClick();
        else return false;
        return true;
    }

private:
    ListBox& list_;
};

}  // namespace forms::win32

std::unique_ptr<forms::ListBox::Peer> forms::makePeer(ListBox& list) { return std::make_unique<win32::ListBoxPeer>(list); }
