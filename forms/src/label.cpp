#include "forms/label.hpp"

namespace forms {

Label::Label(Window& window, std::string name) : Control(window, std::move(name)) {
    Label::reset();
}

void Label::reset() {
    Control::reset();
    setTabStop(false);
    setBackColor(colors::ButtonFace);
    setForeColor(colors::WindowText);
    caption_.clear();
    alignment_ = Alignment::Left;
}

void Label::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update(Aspect::Caption);
}

void Label::setAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    update(Aspect::Alignment);
}

std::unique_ptr<ControlPeer> Label::createPeer() { return makePeer(*this); }

}  // namespace forms
