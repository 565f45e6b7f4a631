#include "forms/menu.hpp"

#include <algorithm>

#include "forms/app.hpp"
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

void MenuItem::click() {
    if (!enabled_) return;
    window_.app().record(name_ + ".Click");
    if (onClick) onClick();
}

}  // namespace forms
