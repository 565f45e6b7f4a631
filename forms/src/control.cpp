#include "forms/control.hpp"

#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/window.hpp"

namespace forms {

Control::Control(Window& window, std::string name) : window_(window), name_(std::move(name)) {
    creationIndex_ = static_cast<int>(window_.controls().size());
    common_.tabIndex = creationIndex_;
    window_.addControl(*this);
}

Control::~Control() {
    window_.removeControl(*this);
    window_.app().retirePeer(std::move(peer_));
}

void Control::reset() { common_ = Common{}; }

void Control::attachPeer() { peer_ = createPeer(); }

void Control::recreatePeer() {
    if (!peer_) return;
    const bool focused = hasFocus();
    window_.app().retirePeer(std::move(peer_));
    attachPeer();
    if (focused && peer_) peer_->focus();
}

void Control::record(const std::string& event) const { window_.app().record(name_ + "." + event); }

bool Control::raise(const std::function<void()>& handler, const char* event) {
    record(event);
    if (handler) handler();
    return window_.loaded();
}

void Control::setBounds(const Rect& bounds) {
    if (bounds == common_.bounds) return;
    common_.bounds = bounds;
    sync(Property::Bounds);
}

void Control::setVisible(bool visible) {
    if (visible == common_.visible) return;
    common_.visible = visible;
    sync(Property::Visible);
}

void Control::setEnabled(bool enabled) {
    if (enabled == common_.enabled) return;
    common_.enabled = enabled;
    sync(Property::Enabled);
}

void Control::setBackColor(Color color) {
    if (color == common_.backColor) return;
    common_.backColor = color;
    sync(Property::BackColor);
}

void Control::setForeColor(Color color) {
    if (color == common_.foreColor) return;
    common_.foreColor = color;
    sync(Property::ForeColor);
}

void Control::setFont(const Font& font) {
    if (font == common_.font) return;
    common_.font = font;
    sync(Property::Font);
}

void Control::setTabStop(bool on) {
    if (on == common_.tabStop) return;
    common_.tabStop = on;
    sync(Property::TabStop);
}

void Control::setToolTip(const std::string& text) {
    if (text == common_.toolTip) return;
    common_.toolTip = text;
    sync(Property::ToolTip);
}

void Control::setCursor(Cursor cursor) {
    if (cursor == common_.cursor) return;
    common_.cursor = cursor;
    sync(Property::Cursor);
}

void Control::setFocus() {
    if (!window_.loaded() || !focusable() || !common_.visible || !common_.enabled) return;
    window_.focusArrived(*this);
}

bool Control::hasFocus() const { return window_.loaded() && window_.focused() == this; }

// Tab and Shift+Tab move the focus and never reach the handlers.
bool Control::userKeyDown(int keyCode, int shiftState) {
    App::Dispatch dispatch(window_.app());
    if (keyCode == keys::Tab && !(shiftState & (shift::Ctrl | shift::Alt))) {
        window_.focusNext((shiftState & shift::Shift) != 0);
        return false;
    }
    // The window's default and cancel buttons take Enter and Esc first; a
    // focused button takes Enter itself (Esc still presses the cancel button,
    // as in a dialog), and Ctrl+Enter breaks a line.
    if ((!takesDialogKeys() || keyCode == keys::Escape) && !(shiftState & (shift::Ctrl | shift::Alt))) {
        Button* button = keyCode == keys::Return ? window_.defaultButton()
                         : keyCode == keys::Escape ? window_.cancelButton() : nullptr;
        if (button) {
            button->click();
            return false;
        }
    }
    KeyEvent event{keyCode, shiftState};
    record("KeyDown");
    if (onKeyDown) onKeyDown(event);
    return window_.loaded() && event.keyCode != 0;
}

bool Control::userKeyPress(int keyAscii) {
    App::Dispatch dispatch(window_.app());
    if (keyAscii == '\t') return false;  // the Tab key moved the focus instead
    KeyPressEvent event{keyAscii};
    record("KeyPress");
    if (onKeyPress) onKeyPress(event);
    return window_.loaded() && event.keyAscii != 0;
}

void Control::userKeyUp(int keyCode, int shiftState) {
    App::Dispatch dispatch(window_.app());
    KeyEvent event{keyCode, shiftState};
    record("KeyUp");
    if (onKeyUp) onKeyUp(event);
}

void Control::userClick() {
    App::Dispatch dispatch(window_.app());
    if (!common_.enabled || !window_.loaded()) return;
    raise(onClick, "Click");
}

void Control::userDoubleClick() {
    App::Dispatch dispatch(window_.app());
    if (!common_.enabled || !window_.loaded()) return;
    raise(onDoubleClick, "DblClick");
}

}  // namespace forms
