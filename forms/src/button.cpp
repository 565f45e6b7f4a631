#include "forms/button.hpp"

namespace forms {

Button::Button(Window& window, std::string name) : Control(window, std::move(name), ControlKind::Button) {
    Button::reset();
}

void Button::reset() {
    Control::reset();
    setBackColor(colors::ButtonFace);
    setForeColor(colors::ButtonText);
    caption_.clear();
    ownColors_ = false;
}

void Button::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    sync(Property::Caption);
}

}  // namespace forms
