#include "forms/text_box.hpp"

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

TextBox::TextBox(Window& window, std::string name)
    : Control(window, std::move(name)) {}

void TextBox::reset() {
    Control::reset();
    text_.clear();
    multiLine_ = rich_ = readOnly_ = false;
    scrollBars_ = ScrollBars::None;
    maxLength_ = 0;
}

void TextBox::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    update(Aspect::Text);
    raiseChange(Origin::Code);
}

void TextBox::userEdited(const std::string& text) {
    App::Dispatch dispatch(window().app());
    if (text == text_) return;
    text_ = text;
    raiseChange(Origin::User);
}

void TextBox::raiseChange(Origin origin) {
    record(origin == Origin::User ? "Change(user)" : "Change(code)");
    if (onChange) onChange(ChangeEvent{origin});
}

void TextBox::setReadOnly(bool on) {
    if (on == readOnly_) return;
    readOnly_ = on;
    update(Aspect::ReadOnly);
}

void TextBox::setMaxLength(int length) {
    if (length == maxLength_) return;
    maxLength_ = length < 0 ? 0 : length;
    update(Aspect::MaxLength);
}

void TextBox::setMultiLine(bool on) {
    if (on == multiLine_) return;
    multiLine_ = on;
    recreatePeer();
}

void TextBox::setRich(bool on) {
    if (on == rich_) return;
    rich_ = on;
    recreatePeer();
}

void TextBox::setScrollBars(ScrollBars bars) {
    if (bars == scrollBars_) return;
    scrollBars_ = bars;
    recreatePeer();
}

std::unique_ptr<ControlPeer> TextBox::createPeer() { return makePeer(*this); }

}  // namespace forms
