#include "forms/check_box.hpp"

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

CheckBox::CheckBox(Window& window, std::string name) : Control(window, std::move(name)) {
    CheckBox::reset();
}

void CheckBox::reset() {
    Control::reset();
    setBackColor(colors::ButtonFace);
    setForeColor(colors::ButtonText);
    caption_.clear();
    checked_ = false;
}

void CheckBox::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update(Aspect::Caption);
}

void CheckBox::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    update(Aspect::Checked);
    raise(onClick, "Click");
}

void CheckBox::userToggled() {
    App::Dispatch dispatch(window().app());
    if (!enabled() || !window().loaded()) return;
    checked_ = !checked_;
    update(Aspect::Checked);
    raise(onClick, "Click");
}

std::unique_ptr<ControlPeer> CheckBox::createPeer() { return makePeer(*this); }

}  // namespace forms
