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
    UINT reserve;
};
constexpr ListMessages kListBoxMessages{LB_INSERTSTRING, LB_ADDSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                        LB_SETCURSEL,    LB_INITSTORAGE};
constexpr ListMessages kComboBoxMessages{CB_INSERTSTRING, CB_ADDSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                         CB_SETCURSEL,    CB_INITSTORAGE};

// Model: ListBox or ComboBox.
template <class Model>
class ItemListPeer : public ControlPeerBase, public Model::Peer {
public:
    ItemListPeer(Model& model, const ListMessages& messages)
        : ControlPeerBase(model), model_(model), messages_(messages) {}

    void itemInserted(int index) override {
        holdRedrawUntilIdle();
        // Room for as many again whenever the list has filled what it had:
        // a list that grows one item at a time then grows its storage only
        // now and then (the system's list box grows it by 16 items at a
        // time, copying the whole list each time).
        const int count = static_cast<int>(model_.items().size());
        if (count >= kReserveFrom && count > reserved_) reserve(count, count);
        SendMessageW(hwnd_, messages_.insert, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(platform::widen(model_.item(index)).c_str()));
        // Only an item inserted above the selection moves it.
        if (model_.listIndex() > index) syncSelection();
    }
    void itemRemoved(int index) override {
        SendMessageW(hwnd_, messages_.remove, static_cast<WPARAM>(index), 0);
        syncSelection();
    }
    void itemsCleared() override {
        SendMessageW(hwnd_, messages_.reset, 0, 0);
        reserved_ = 0;
    }

protected:
    void syncSelection() { SendMessageW(hwnd_, messages_.select, static_cast<WPARAM>(model_.listIndex()), 0); }
    // Every item anew, and the selection.
    void fillItems() {
        holdRedrawUntilIdle();
        SendMessageW(hwnd_, messages_.reset, 0, 0);
        reserved_ = 0;
        const auto& items = model_.items();
        if (static_cast<int>(items.size()) >= kReserveFrom) reserve(0, static_cast<int>(items.size()));
        for (const std::string& item : model_.items())
            SendMessageW(hwnd_, messages_.add, 0, reinterpret_cast<LPARAM>(platform::widen(item).c_str()));
        syncSelection();
    }

private:
    static constexpr int kReserveFrom = 256;

    // Makes room for `more` items beyond `count`, reckoning 32 characters of text each.
    void reserve(int count, int more) {
        SendMessageW(hwnd_, messages_.reserve, static_cast<WPARAM>(more), static_cast<LPARAM>(more) * 64);
        reserved_ = count + more;
    }

    Model& model_;
    ListMessages messages_;
    int reserved_ = 0;  // items the real list has room for, as far as we asked
};

}  // namespace forms::win32
