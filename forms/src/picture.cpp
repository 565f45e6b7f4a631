#include "forms/picture.hpp"

namespace forms {

Picture::Picture(Window& window, std::string name) : Control(window, std::move(name), ControlKind::Picture) {
    Picture::reset();
}

void Picture::reset() {
    Control::reset();
    setTabStop(false);
    setBackColor(colors::ButtonFace);
    iconResource_ = 0;
}

void Picture::setIconResource(int id) {
    if (id == iconResource_) return;
    iconResource_ = id;
    sync(Property::Image);
}

}  // namespace forms
