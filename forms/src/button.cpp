#include "forms/button.hpp"

namespace forms {

Button::Button(Window& window, std::string name) : Control(window, std::move(name)) {
    Button::reset();
}

void Button::reset() {
    Control::reset();
    setBackColor(colors::ButtonFace);
    setForeColor(colors::ButtonText);
    caption_.clear();
    ownColors_ = false;
    picture_ = 0;
}

void Button::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update(Aspect::Caption);
}

void Button::setOwnColors(bool on) {
    if (on == ownColors_) return;
    ownColors_ = on;
    recreatePeer();
}

void Button::setPicture(int iconResource) {
    if (iconResource == picture_) return;
    picture_ = iconResource;
    recreatePeer();
}

std::unique_ptr<ControlPeer> Button::createPeer() { return makePeer(*this); }

}  // namespace forms
