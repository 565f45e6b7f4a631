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
    selection_ = Selection{};
}

void TextBox::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    selection_ = Selection{characterCount(text_), 0};
    update(Aspect::Text);
    raiseChange(Origin::Code);
}

// A real edit control does not report changes of its selection, so while one
// exists the model asks it instead of keeping its own: the one place where
// the state does not live in the model.
TextBox::Selection TextBox::selection() const {
    Selection selection = selection_;
    if (auto* peer = kindPeer<Peer>()) peer->readSelection(selection);
    return clamped(selection);
}

TextBox::Selection TextBox::clamped(Selection selection) const {
    int count = characterCount(text_);
    if (selection.start < 0) selection.start = 0;
    if (selection.start > count) selection.start = count;
    if (selection.length < 0) selection.length = 0;
    if (selection.length > count - selection.start) selection.length = count - selection.start;
    return selection;
}

std::string TextBox::selectedText() const {
    Selection selection = this->selection();
    std::size_t from = byteOffset(text_, selection.start);
    return text_.substr(from, byteOffset(text_, selection.start + selection.length) - from);
}

void TextBox::select(int start, int length) {
    userSelected(start, length);
    if (auto* peer = kindPeer<Peer>()) peer->writeSelection(selection_);
}

void TextBox::selectAll() { select(0, characterCount(text_)); }

void TextBox::replaceSelection(const std::string& text) {
    Selection selection = this->selection();
    std::size_t from = byteOffset(text_, selection.start);
    std::size_t to = byteOffset(text_, selection.start + selection.length);
    std::string next = text_.substr(0, from) + text + text_.substr(to);
    selection_ = Selection{selection.start + characterCount(text), 0};
    bool changed = next != text_;
    if (changed) {
        text_ = next;
        update(Aspect::Text);
    }
    if (auto* peer = kindPeer<Peer>()) peer->writeSelection(selection_);
    if (!changed) return;
    raiseChange(Origin::User);
}

void TextBox::userSelected(int start, int length) {
    selection_ = clamped(Selection{start, length});
}

void TextBox::userEdited(const std::string& text, int caretAfter) {
    App::Dispatch dispatch(window().app());
    if (caretAfter >= 0) selection_ = Selection{caretAfter, 0};
    if (text == text_) return;
    text_ = text;
    raiseChange(Origin::User);
}

// The system's edit puts the caret at the start of a text set this way.
void TextBox::textSetOutside(const std::string& text) {
    App::Dispatch dispatch(window().app());
    selection_ = Selection{};
    if (text == text_) return;
    text_ = text;
    raiseChange(Origin::Outside);
}

void TextBox::raiseChange(Origin origin) {
    record("Change(" + originName(origin) + ")");
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
