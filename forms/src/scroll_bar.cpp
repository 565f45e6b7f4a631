#include "forms/scroll_bar.hpp"

#include <algorithm>

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

ScrollBar::ScrollBar(Window& window, std::string name)
    : Control(window, std::move(name)) {}

void ScrollBar::reset() {
    Control::reset();
    value_ = min_ = 0;
    max_ = 32767;
    smallChange_ = largeChange_ = 1;
}

int ScrollBar::clamp(int value) const { return std::max(min_, std::min(max_, value)); }

void ScrollBar::setValue(int value) {
    value = clamp(value);
    if (value == value_) return;
    value_ = value;
    update(Aspect::Value);
    record("Change(code)");
    if (onChange) onChange(ChangeEvent{Origin::Code});
}

void ScrollBar::setRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    value_ = clamp(value_);
    update(Aspect::Range);
}

void ScrollBar::setChanges(int smallChange, int largeChange) {
    smallChange_ = std::max(1, smallChange);
    largeChange_ = std::max(1, largeChange);
    update(Aspect::Range);
}

void ScrollBar::userMoved(int value) {
    App::Dispatch dispatch(window().app());
    value = clamp(value);
    if (value == value_) return;
    value_ = value;
    record("Change(user)");
    if (onChange) onChange(ChangeEvent{Origin::User});
}

std::unique_ptr<ControlPeer> ScrollBar::createPeer() { return makePeer(*this); }

}  // namespace forms
