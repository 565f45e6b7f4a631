#include "forms/list_box.hpp"

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

ListBox::ListBox(Window& window, std::string name) : Control(window, std::move(name), ControlKind::ListBox) {}

void ListBox::reset() {
    Control::reset();
    items_.clear();
    listIndex_ = -1;
}

std::string ListBox::text() const {
    if (listIndex_ < 0 || listIndex_ >= listCount()) return {};
    return items_[static_cast<size_t>(listIndex_)];
}

void ListBox::addItem(const std::string& text, int index) {
    if (index < 0 || index > listCount()) index = listCount();
    items_.insert(items_.begin() + index, text);
    if (listIndex_ >= index) ++listIndex_;
    if (peer()) peer()->itemInserted(index);
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) return;
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) listIndex_ = -1;
    else if (listIndex_ > index) --listIndex_;
    if (peer()) peer()->itemRemoved(index);
}

void ListBox::clear() {
    if (items_.empty() && listIndex_ == -1) return;
    items_.clear();
    listIndex_ = -1;
    if (peer()) peer()->itemsCleared();
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) index = -1;
    if (index == -1 && listIndex_ == -1) return;
    listIndex_ = index;
    sync(Property::ListIndex);
    record("Select(code)");
    if (onSelect) onSelect(ChangeEvent{Origin::Code});
}

void ListBox::userSelected(int index) {
    App::Dispatch dispatch(window().app());
    if (index < -1 || index >= listCount()) return;
    listIndex_ = index;
    record("Select(user)");
    if (onSelect) onSelect(ChangeEvent{Origin::User});
}

}  // namespace forms
