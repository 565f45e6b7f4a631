#pragma once
// A list box with single selection (-1: none).
//
// Events:
//   setListIndex() by code -> onSelect{Code}, unless both the old and the new index are -1
//   the user picks an item -> onSelect{User}
//   a double-click on an item -> onDoubleClick (after the pick of that item)
//   addItem/removeItem/clear raise nothing; removing or clearing the selected
//   item leaves no selection, without an event.
#include <string>
#include <vector>

#include "forms/control.hpp"
#include "forms/item_list.hpp"

namespace forms {

class ListBox : public Control {
public:
    ListBox(Window& window, std::string name);

    // What the backend mirrors of a list box besides its items and the common properties.
    enum class Aspect { Selection };
    class Peer : public ItemsPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    // The selected item's text, or "" with no selection.
    std::string text() const override;

    const std::vector<std::string>& items() const { return list_.items(); }
    int listCount() const { return list_.count(); }
    const std::string& item(int index) const { return list_.at(index); }
    void addItem(const std::string& text, int index = -1);
    void removeItem(int index);
    void clear();

    int listIndex() const { return list_.selected(); }
    void setListIndex(int index);

    std::function<void(const ChangeEvent&)> onSelect;

    void userSelected(int index);

    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }
    ItemsPeer* itemsPeer() const { return kindPeer<Peer>(); }

    ItemList list_;
};

// Made by the backend linked into the program.
std::unique_ptr<ListBox::Peer> makePeer(ListBox& list);

}  // namespace forms
