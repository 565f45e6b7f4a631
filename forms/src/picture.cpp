#include "forms/picture.hpp"

namespace forms {

Picture::Picture(Window& window, std::string name) : Control(window, std::move(name)) {
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
    update(Aspect::Image);
}

std::unique_ptr<ControlPeer> Picture::createPeer() { return makePeer(*this); }

}  // namespace forms
