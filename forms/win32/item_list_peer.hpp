#pragma once
// The items and selection of a list box or of a combo box's list, kept in
// step with the model's. The two system lists differ only in their messages.
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

struct ListMessages {
    UINT insert;
    UINT add;
    UINT remove;
    UINT reset;
    UINT select;
};
constexpr ListMessages kListBoxMessages{LB_INSERTSTRING, LB_ADDSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETCURSEL};
constexpr ListMessages kComboBoxMessages{CB_INSERTSTRING, CB_ADDSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                         CB_SETCURSEL};

// Model: ListBox or ComboBox.
template <class Model>
class ItemListPeer : public ControlPeerBase, public Model::Peer {
public:
    ItemListPeer(Model& model, const ListMessages& messages)
        : ControlPeerBase(model), model_(model), messages_(messages) {}

    void itemInserted(int index) override {
        holdRedrawUntilIdle();
        SendMessageW(hwnd_, messages_.insert, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(platform::widen(model_.item(index)).c_str()));
        // Only an item inserted above the selection moves it.
        if (model_.listIndex() > index) syncSelection();
    }
    void itemRemoved(int index) override {
        SendMessageW(hwnd_, messages_.remove, static_cast<WPARAM>(index), 0);
        syncSelection();
    }
    void itemsCleared() override { SendMessageW(hwnd_, messages_.reset, 0, 0); }

protected:
    void syncSelection() { SendMessageW(hwnd_, messages_.select, static_cast<WPARAM>(model_.listIndex()), 0); }
    // Every item anew, and the selection.
    void fillItems() {
        holdRedrawUntilIdle();
        SendMessageW(hwnd_, messages_.reset, 0, 0);
        for (const std::string& item : model_.items())
            SendMessageW(hwnd_, messages_.add, 0, reinterpret_cast<LPARAM>(platform::widen(item).c_str()));
        syncSelection();
    }

private:
    Model& model_;
    ListMessages messages_;
};

}  // namespace forms::win32
