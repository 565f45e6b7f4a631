#include "forms/text_box.hpp"

#include "forms/app.hpp"
#include "forms/window.hpp"

namespace forms {

TextBox::TextBox(Window& window, std::string name)
    : Control(window, std::move(name), ControlKind::TextBox) {}

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
    sync(Property::Text);
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
    sync(Property::ReadOnly);
}

void TextBox::setMaxLength(int length) {
    if (length == maxLength_) return;
    maxLength_ = length < 0 ? 0 : length;
    sync(Property::MaxLength);
}

}  // namespace forms
