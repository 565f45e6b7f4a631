#include "forms/combo_box.hpp"

#include <algorithm>
#include <cctype>

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

ComboBox::ComboBox(Window& window, std::string name)
    : Control(window, std::move(name), ControlKind::ComboBox) {}

void ComboBox::reset() {
    Control::reset();
    items_.clear();
    listIndex_ = -1;
    sorted_ = false;
    style_ = ComboStyle::DropDownList;
    editText_.clear();
}

std::string ComboBox::text() const {
    if (style_ == ComboStyle::DropDown) return editText_;
    if (listIndex_ < 0 || listIndex_ >= listCount()) return {};
    return items_[static_cast<size_t>(listIndex_)];
}

void ComboBox::setText(const std::string& text) {
    if (style_ != ComboStyle::DropDown || text == editText_) return;
    editText_ = text;
    sync(Property::Text);
    record("Change(code)");
    if (onChange) onChange(ChangeEvent{Origin::Code});
}

void ComboBox::userEdited(const std::string& text) {
    App::Dispatch dispatch(window().app());
    if (style_ != ComboStyle::DropDown || text == editText_) return;
    editText_ = text;
    listIndex_ = -1;
    record("Change(user)");
    if (onChange) onChange(ChangeEvent{Origin::User});
}

// A sorted list places a new item by case-insensitive comparison, as the system does.
static bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

void ComboBox::addItem(const std::string& text, int index) {
    if (sorted_ && index < 0)
        index = static_cast<int>(std::upper_bound(items_.begin(), items_.end(), text, lessIgnoringCase) - items_.begin());
    if (index < 0 || index > listCount()) index = listCount();
    items_.insert(items_.begin() + index, text);
    if (listIndex_ >= index) ++listIndex_;
    if (peer()) peer()->itemInserted(index);
}

void ComboBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) return;
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) listIndex_ = -1;
    else if (listIndex_ > index) --listIndex_;
    if (peer()) peer()->itemRemoved(index);
}

void ComboBox::clear() {
    if (items_.empty() && listIndex_ == -1) return;
    items_.clear();
    listIndex_ = -1;
    if (peer()) peer()->itemsCleared();
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) index = -1;
    if (index == -1 && listIndex_ == -1) return;
    listIndex_ = index;
    if (style_ == ComboStyle::DropDown && index >= 0) editText_ = items_[static_cast<size_t>(index)];
    sync(Property::ListIndex);
    raiseSelect(Origin::Code);
}

void ComboBox::userSelected(int index) {
    App::Dispatch dispatch(window().app());
    if (index < -1 || index >= listCount()) return;
    listIndex_ = index;
    if (style_ == ComboStyle::DropDown && index >= 0) editText_ = items_[static_cast<size_t>(index)];
    raiseSelect(Origin::User);
}

void ComboBox::raiseSelect(Origin origin) {
    record(origin == Origin::User ? "Select(user)" : "Select(code)");
    if (onSelect) onSelect(ChangeEvent{origin});
}

}  // namespace forms
