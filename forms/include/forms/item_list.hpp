#pragma once
// The items of a list control and its selection (-1: none), kept in step as
// items come and go. Shared by the combo box and the list box.
#include <string>
#include <vector>

#include "forms/peer.hpp"

namespace forms {

// The peer side of a list control's items: single-item updates, so that
// long lists stay fast.
class ItemsPeer : public virtual ControlPeer {
public:
    virtual void itemInserted(int index) = 0;
    virtual void itemRemoved(int index) = 0;
    virtual void itemsCleared() = 0;
};

class ItemList {
public:
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& at(int index) const { return items_.at(static_cast<size_t>(index)); }
    int selected() const { return selected_; }
    bool valid(int index) const { return index >= -1 && index < count(); }
    // The selected item's text, or "" with no selection.
    std::string selectedText() const { return selected_ < 0 ? std::string() : items_[static_cast<size_t>(selected_)]; }

    // Inserts before index (at the end when index is out of range); returns where it went.
    int insert(const std::string& text, int index) {
        if (index < 0 || index > count()) index = count();
        items_.insert(items_.begin() + index, text);
        if (selected_ >= index) ++selected_;
        return index;
    }
    // Removes one item; the selection goes with it. False when there is no such item.
    bool remove(int index) {
        if (index < 0 || index >= count()) return false;
        items_.erase(items_.begin() + index);
        if (selected_ == index) selected_ = -1;
        else if (selected_ > index) --selected_;
        return true;
    }
    // Empties the list; false when it was already empty with nothing selected.
    bool clear() {
        if (items_.empty() && selected_ == -1) return false;
        items_.clear();
        selected_ = -1;
        return true;
    }
    void select(int index) { selected_ = valid(index) ? index : -1; }

private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace forms
