#pragma once
// A drop-down list: a list of texts and the one selected (-1: none).
//
// Events:
//   setListIndex() by code -> onSelect{Code}, unless both the old and the new index are -1
//   the user picks an item -> onSelect{User} (also when it picks the item already selected)
//   addItem/removeItem/clear raise nothing; removing or clearing the selected
//   item leaves no selection, without an event.
#include <string>
#include <vector>

#include "forms/control.hpp"

namespace forms {

enum class ComboStyle { DropDownList };

class ComboBox : public Control {
public:
    ComboBox(Window& window, std::string name);

    // The selected item's text, or "" with no selection.
    std::string text() const override;

    const std::vector<std::string>& items() const { return items_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_.at(static_cast<size_t>(index)); }
    // Adds an item at the end, or before index.
    void addItem(const std::string& text, int index = -1);
    void removeItem(int index);
    void clear();

    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    bool sorted() const { return sorted_; }
    void setSorted(bool on) { sorted_ = on; }

    std::function<void(const ChangeEvent&)> onSelect;

    // The user picked an item.
    void userSelected(int index);

    void reset() override;

private:
    void raiseSelect(Origin origin);

    std::vector<std::string> items_;
    int listIndex_ = -1;
    bool sorted_ = false;
};

}  // namespace forms
