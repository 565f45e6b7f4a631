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

namespace forms {

class ListBox : public Control {
public:
    ListBox(Window& window, std::string name);

    // The selected item's text, or "" with no selection.
    std::string text() const override;

    const std::vector<std::string>& items() const { return items_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_.at(static_cast<size_t>(index)); }
    void addItem(const std::string& text, int index = -1);
    void removeItem(int index);
    void clear();

    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    std::function<void(const ChangeEvent&)> onSelect;

    void userSelected(int index);

    void reset() override;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

}  // namespace forms
