#pragma once
// A combo box: a drop-down list (pick only), or an editable drop-down whose
// text may also be typed. listIndex is the selected item (-1: none).
//
// Events:
//   setListIndex() by code -> onSelect{Code}, unless both the old and the new index are -1
//   the user picks an item -> onSelect{User} (also when it picks the item already selected);
//                             an editable combo's text becomes the item's, without onChange
//   editable: setText() by code -> onChange{Code} when the text differs
//   editable: the user types    -> onChange{User}; the selection goes (-1)
//   editable: another program sets the text (WM_SETTEXT) -> onChange{Outside}
//                             when it differs; the selection goes (-1)
//   editable: the focus leaves (Tab, a click elsewhere) -> onLostFocus once, although
//                             the real combo holds the focus in its inner edit field
//   addItem/removeItem/clear raise nothing; removing or clearing the selected
//   item leaves no selection, without an event.
#include <string>
#include <vector>

#include "forms/control.hpp"
#include "forms/item_list.hpp"

namespace forms {

enum class ComboStyle { DropDownList, DropDown };

class ComboBox : public Control {
public:
    ComboBox(Window& window, std::string name);

    // What the backend mirrors of a combo box besides its items and the common properties.
    enum class Aspect { Text, Selection };
    class Peer : public ItemsPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    // A list's selected item, or "" with no selection; an editable combo's text.
    std::string text() const override;
    // Editable combos only: sets the text (a drop-down list ignores this).
    void setText(const std::string& text);

    ComboStyle style() const { return style_; }
    // The real combo takes its style when it is made: changed later, it is made again.
    void setStyle(ComboStyle style);

    const std::vector<std::string>& items() const { return list_.items(); }
    int listCount() const { return list_.count(); }
    const std::string& item(int index) const { return list_.at(index); }
    // Adds an item at the end, or before index.
    void addItem(const std::string& text, int index = -1);
    void removeItem(int index);
    void clear();

    int listIndex() const { return list_.selected(); }
    void setListIndex(int index);

    std::function<void(const ChangeEvent&)> onSelect;
    std::function<void(const ChangeEvent&)> onChange;

    // The user picked an item.
    void userSelected(int index);
    // The user typed into an editable combo (the backend reports the whole text).
    void userEdited(const std::string& text);
    // Another program set the text of an editable combo's edit field.
    void textSetOutside(const std::string& text);

    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }
    ItemsPeer* itemsPeer() const { return kindPeer<Peer>(); }
    void raiseSelect(Origin origin);
    void editedFrom(Origin origin, const std::string& text);

    ItemList list_;
    ComboStyle style_ = ComboStyle::DropDownList;
    std::string editText_;
};

// Made by the backend linked into the program.
std::unique_ptr<ComboBox::Peer> makePeer(ComboBox& combo);

}  // namespace forms
