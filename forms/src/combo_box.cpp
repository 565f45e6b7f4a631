#include "forms/combo_box.hpp"

#include <algorithm>

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

ComboBox::ComboBox(Window& window, std::string name)
    : Control(window, std::move(name)) {}

void ComboBox::reset() {
    Control::reset();
    list_ = ItemList{};
    style_ = ComboStyle::DropDownList;
    editText_.clear();
}

std::string ComboBox::text() const {
    return style_ == ComboStyle::DropDown ? editText_ : list_.selectedText();
}

void ComboBox::setText(const std::string& text) {
    if (style_ != ComboStyle::DropDown || text == editText_) return;
    editText_ = text;
    update(Aspect::Text);
    record("Change(code)");
    if (onChange) onChange(ChangeEvent{Origin::Code});
}

void ComboBox::userEdited(const std::string& text) { editedFrom(Origin::User, text); }

void ComboBox::textSetOutside(const std::string& text) { editedFrom(Origin::Outside, text); }

// A text that is not the program's own leaves no item selected.
void ComboBox::editedFrom(Origin origin, const std::string& text) {
    App::Dispatch dispatch(window().app());
    if (style_ != ComboStyle::DropDown || text == editText_) return;
    editText_ = text;
    list_.select(-1);
    record("Change(" + originName(origin) + ")");
    if (onChange) onChange(ChangeEvent{origin});
}

void ComboBox::addItem(const std::string& text, int index) {
    index = list_.insert(text, index);
    if (auto* peer = itemsPeer()) peer->itemInserted(index);
}

void ComboBox::removeItem(int index) {
    if (list_.remove(index))
        if (auto* peer = itemsPeer()) peer->itemRemoved(index);
}

void ComboBox::clear() {
    if (list_.clear())
        if (auto* peer = itemsPeer()) peer->itemsCleared();
}

void ComboBox::setListIndex(int index) {
    if (!list_.valid(index)) index = -1;
    if (index == -1 && list_.selected() == -1) return;
    list_.select(index);
    if (style_ == ComboStyle::DropDown && index >= 0) editText_ = list_.at(index);
    update(Aspect::Selection);
    raiseSelect(Origin::Code);
}

void ComboBox::userSelected(int index) {
    App::Dispatch dispatch(window().app());
    if (!list_.valid(index)) return;
    list_.select(index);
    if (style_ == ComboStyle::DropDown && index >= 0) editText_ = list_.at(index);
    raiseSelect(Origin::User);
}

void ComboBox::raiseSelect(Origin origin) {
    record(origin == Origin::User ? "Select(user)" : "Select(code)");
    if (onSelect) onSelect(ChangeEvent{origin});
}

void ComboBox::setStyle(ComboStyle style) {
    if (style == style_) return;
    style_ = style;
    recreatePeer();
}

std::unique_ptr<ControlPeer> ComboBox::createPeer() { return makePeer(*this); }

}  // namespace forms
