#include "forms/list_box.hpp"

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

ListBox::ListBox(Window& window, std::string name) : Control(window, std::move(name)) {}

void ListBox::reset() {
    Control::reset();
    list_ = ItemList{};
}

std::string ListBox::text() const { return list_.selectedText(); }

void ListBox::addItem(const std::string& text, int index) {
    index = list_.insert(text, index);
    if (auto* peer = itemsPeer()) peer->itemInserted(index);
}

void ListBox::removeItem(int index) {
    if (list_.remove(index))
        if (auto* peer = itemsPeer()) peer->itemRemoved(index);
}

void ListBox::clear() {
    if (list_.clear())
        if (auto* peer = itemsPeer()) peer->itemsCleared();
}

void ListBox::setListIndex(int index) {
    if (!list_.valid(index)) index = -1;
    if (index == -1 && list_.selected() == -1) return;
    list_.select(index);
    update(Aspect::Selection);
    record("Select(code)");
    if (onSelect) onSelect(ChangeEvent{Origin::Code});
}

void ListBox::userSelected(int index) {
    App::Dispatch dispatch(window().app());
    if (!list_.valid(index)) return;
    list_.select(index);
    record("Select(user)");
    if (onSelect) onSelect(ChangeEvent{Origin::User});
}

std::unique_ptr<ControlPeer> ListBox::createPeer() { return makePeer(*this); }

}  // namespace forms
