#include "forms/menu.hpp"

#include <algorithm>

#include "forms/app.hpp"
#include "forms/mdi_frame.hpp"
#include "forms/types.hpp"
#include "forms/window.hpp"

namespace forms {

MenuItem::MenuItem(Window& window, std::string name, std::string caption, MenuItem* parent)
    : window_(window), name_(std::move(name)), caption_(std::move(caption)), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
    index_ = static_cast<int>(window_.menuItems().size());
    window_.addMenuItem(*this);
}

MenuItem::~MenuItem() {
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    for (MenuItem* child : children_) child->parent_ = nullptr;
    window_.removeMenuItem(*this);
}

void MenuItem::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (window_.peer()) window_.peer()->sync(WindowProperty::Menu);
}

void MenuItem::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (window_.peer()) window_.peer()->sync(WindowProperty::Menu);
}

void MenuItem::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (window_.peer()) window_.peer()->sync(WindowProperty::Menu);
}

void MenuItem::setShortcut(const Shortcut& shortcut) {
    if (shortcut == shortcut_) return;
    shortcut_ = shortcut;
    if (window_.peer()) window_.peer()->sync(WindowProperty::Menu);
}

std::string shortcutText(const Shortcut& shortcut) {
    if (!shortcut.key) return {};
    std::string text;
    if (shortcut.shift & shift::Ctrl) text += "Ctrl+";
    if (shortcut.shift & shift::Alt) text += "Alt+";
    if (shortcut.shift & shift::Shift) text += "Shift+";
    int key = shortcut.key;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) text += static_cast<char>(key);
    else if (key >= keys::F1 && key < keys::F1 + 12) text += "F" + std::to_string(key - keys::F1 + 1);
    else if (key == keys::Delete) text += "Del";
    else if (key == keys::Insert) text += "Ins";
    else text += "#" + std::to_string(key);
    return text;
}

MenuItem* findShortcut(const Window& window, const Shortcut& shortcut) {
    if (!shortcut.key) return nullptr;
    const Window& holder = window.mdiParent() ? *window.mdiParent() : window;
    for (MenuItem* item : holder.menuItems()) {
        if (item->shortcut() != shortcut) continue;
        for (MenuItem* at = item; at; at = at->parent())
            if (!at->enabled()) return nullptr;
        return item;
    }
    return nullptr;
}

void MenuItem::click() {
    if (!enabled_) return;
    window_.app().record(name_ + ".Click");
    if (onClick) onClick();
}

}  // namespace forms
