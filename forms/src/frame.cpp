#include "forms/frame.hpp"

namespace forms {

Frame::Frame(Window& window, std::string name) : Control(window, std::move(name)) {
    Frame::reset();
}

void Frame::reset() {
    Control::reset();
    setTabStop(false);
    setBackColor(colors::ButtonFace);
    setForeColor(colors::WindowText);
    caption_.clear();
}

void Frame::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update(Aspect::Caption);
}

std::unique_ptr<ControlPeer> Frame::createPeer() { return makePeer(*this); }

}  // namespace forms
