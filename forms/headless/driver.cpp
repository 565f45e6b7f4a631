#include "forms/headless/driver.hpp"

#include <stdexcept>

#include "forms/mdi_frame.hpp"
#include "platform/unicode.hpp"

namespace forms::headless {

Driver::Driver(App& app) : app_(app), peer_(dynamic_cast<HeadlessAppPeer&>(app.peer())) {}

void Driver::finishBackgroundWork() {
    while (!peer_.backgroundWork.empty()) {
        auto work = std::move(peer_.backgroundWork.front());
        peer_.backgroundWork.pop_front();
        app_.finishBackgroundWork(work());
    }
}

void Driver::focus(Control& control) {
    App::Dispatch dispatch(app_);
    if (!control.window().loaded())
        throw std::logic_error("focus: window " + control.window().name() + " is not loaded");
    if (!control.visible() || !control.enabled())
        throw std::logic_error("focus: " + control.name() + " cannot be reached");
    if (!control.focusable() || control.hasFocus()) return;
    control.window().focusArrived(control);
    if (auto* box = dynamic_cast<TextBox*>(&control); box && box->hasFocus())
        box->userSelected(characterCount(box->text()), 0);
}

void Driver::setTextFromOutside(Control& control, const std::string& text) {
    if (auto* box = dynamic_cast<TextBox*>(&control)) return box->textSetOutside(text);
    auto* combo = dynamic_cast<ComboBox*>(&control);
    if (!combo || combo->style() != ComboStyle::DropDown)
        throw std::logic_error("setTextFromOutside: " + control.name() + " has no text to set");
    combo->textSetOutside(text);
}

void Driver::select(TextBox& box, int start, int length) {
    focus(box);
    box.userSelected(start, length);
}

int Driver::timesBusy(const Window& window) const {
    int times = 0;
    for (const std::string& name : peer_.busyWindows) times += name == window.name();
    return times;
}

// Puts typed text in place of the selection, caret after it; Backspace with
// nothing selected takes the character before the caret (a line break is one).
void Driver::replaceTyped(TextBox& box, const std::string& with, bool deletingBack) {
    TextBox::Selection selection = box.selection();
    if (deletingBack && selection.length == 0) {
        if (selection.start == 0) return;
        selection = TextBox::Selection{selection.start - 1, 1};
    }
    const std::string& text = box.text();
    std::size_t from = byteOffset(text, selection.start);
    std::size_t to = byteOffset(text, selection.start + selection.length);
    std::string next = text.substr(0, from) + with + text.substr(to);
    if (box.maxLength() > 0 && !deletingBack && platform::utf16Length(next) > static_cast<size_t>(box.maxLength()))
        return;
    box.userEdited(next, selection.start + characterCount(with));
}

void Driver::applyKeyEffect(TextBox& box, int keyCode, int keyAscii) {
    if (box.readOnly()) return;
    if (keyCode == keys::Back)
        replaceTyped(box, "", true);
    else if ((keyAscii == '\r' || keyAscii == '\n') && box.multiLine())
        replaceTyped(box, "\r\n");
}

void Driver::pressKey(Control& control, int keyCode, int shiftState) {
    focus(control);
    App::Dispatch dispatch(app_);
    if (!control.userKeyDown(keyCode, shiftState)) return;
    int keyAscii = 0;
    if (keyCode == keys::Back)
        keyAscii = 8;
    else if (keyCode == keys::Return)
        keyAscii = (shiftState & shift::Ctrl) ? '\n' : '\r';
    else if (keyCode == keys::Escape)
        keyAscii = 27;
    bool pressed = keyAscii == 0 || control.userKeyPress(keyAscii);
    if (pressed && control.window().loaded()) {
        if (auto* box = dynamic_cast<TextBox*>(&control)) applyKeyEffect(*box, keyCode, keyAscii);
    }
    if (control.window().loaded()) control.userKeyUp(keyCode, shiftState);
}

void Driver::typeCharacter(Control& control, const std::string& character, int keyCode) {
    App::Dispatch dispatch(app_);
    if (!control.userKeyDown(keyCode, 0)) return;
    int keyAscii = static_cast<unsigned char>(character[0]);
    if (control.userKeyPress(keyAscii) && control.window().loaded()) {
        if (auto* box = dynamic_cast<TextBox*>(&control); box && !box->readOnly()) {
            replaceTyped(*box, character);
        } else if (auto* combo = dynamic_cast<ComboBox*>(&control); combo && combo->style() == ComboStyle::DropDown) {
            combo->userEdited(combo->text() + character);
        }
    }
    if (control.window().loaded()) control.userKeyUp(keyCode, 0);
}

void Driver::type(Control& control, const std::string& text) {
    focus(control);
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        if (text.compare(i, 2, "\r\n") == 0 || lead == '\n' || lead == '\r') {
            pressKey(control, keys::Return);
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            continue;
        }
        size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        std::string character = text.substr(i, length);
        // Letters and digits arrive with their own key code; anything else as
        // a character packet, as typed text does on Windows.
        int keyCode = 0xE7;
        if (lead >= 'a' && lead <= 'z')
            keyCode = lead - 'a' + 'A';
        else if ((lead >= 'A' && lead <= 'Z') || (lead >= '0' && lead <= '9') || lead == ' ')
            keyCode = lead;
        typeCharacter(control, character, keyCode);
        i += length;
        if (!control.window().loaded()) return;
    }
}

void Driver::click(Control& control) {
    if (!control.enabled() || !control.visible())
        throw std::logic_error("click: " + control.name() + " cannot be reached");
    focus(control);
    control.userClick();
}

void Driver::pick(ComboBox& combo, int index) {
    if (index < 0 || index >= combo.listCount())
        throw std::out_of_range("pick: no item " + std::to_string(index) + " in " + combo.name());
    focus(combo);
    combo.userSelected(index);
}

void Driver::pick(ComboBox& combo, const std::string& itemText) {
    for (int i = 0; i < combo.listCount(); ++i)
        if (combo.item(i) == itemText) return pick(combo, i);
    throw std::out_of_range("pick: no item \"" + itemText + "\" in " + combo.name());
}

void Driver::pick(ListBox& list, int index) {
    if (index < 0 || index >= list.listCount())
        throw std::out_of_range("pick: no item " + std::to_string(index) + " in " + list.name());
    focus(list);
    list.userSelected(index);
}

void Driver::pick(ListBox& list, const std::string& itemText) {
    for (int i = 0; i < list.listCount(); ++i)
        if (list.item(i) == itemText) return pick(list, i);
    throw std::out_of_range("pick: no item \"" + itemText + "\" in " + list.name());
}

void Driver::doubleClick(Control& control) {
    focus(control);
    control.userDoubleClick();
}

void Driver::doubleClick(ListBox& list, int index) {
    pick(list, index);
    if (list.window().loaded()) list.userDoubleClick();
}

void Driver::toggle(CheckBox& box) {
    focus(box);
    box.userToggled();
}

void Driver::scroll(ScrollBar& bar, int value) {
    focus(bar);
    bar.userMoved(value);
}

void Driver::trayNotify(TrayIcon& icon, int mouseMessage) { icon.userNotified(mouseMessage); }

void Driver::clickColumn(ListView& list, int column) {
    if (!list.enabled() || !list.visible())
        throw std::logic_error("clickColumn: " + list.name() + " cannot be reached");
    if (column < 0 || column >= static_cast<int>(list.columns().size()))
        throw std::out_of_range("clickColumn: no column " + std::to_string(column) + " in " + list.name());
    list.userColumnClicked(column);
}

void Driver::clickItem(ListView& list, int row) {
    if (row < 0 || row >= list.listCount())
        throw std::out_of_range("clickItem: no row " + std::to_string(row) + " in " + list.name());
    focus(list);
    App::Dispatch dispatch(app_);
    list.userSelected(row);
    if (list.window().loaded()) list.userItemClicked(row);
}

void Driver::doubleClick(ListView& list, int row) {
    clickItem(list, row);
    if (list.window().loaded()) list.userDoubleClick();
}

void Driver::clickBesideRows(ListView& list) {
    focus(list);
    App::Dispatch dispatch(app_);
    list.userSelected(-1);
}

void Driver::clickMenu(MenuItem& item) {
    if (!item.window().loaded()) throw std::logic_error("clickMenu: window not loaded");
    App::Dispatch dispatch(app_);
    item.click();
}

void Driver::closeBox(Window& window) {
    App::Dispatch dispatch(app_);
    window.userClose();
}

void Driver::minimize(Window& window) {
    App::Dispatch dispatch(app_);
    window.userSetWindowState(WindowState::Minimized);
}

void Driver::restore(Window& window) {
    App::Dispatch dispatch(app_);
    window.userSetWindowState(WindowState::Normal);
}

}  // namespace forms::headless

namespace forms::headless {

void Driver::pressShortcut(Window& window, int shiftState, int keyCode) {
    if (!window.loaded()) throw std::logic_error("pressShortcut: window " + window.name() + " is not loaded");
    Window* active = &window;
    if (auto* frame = dynamic_cast<MdiFrame*>(&window); frame && frame->activeChild()) active = frame->activeChild();
    if (MenuItem* item = findShortcut(*active, Shortcut{shiftState, keyCode})) return clickMenu(*item);
    if (active->mdiParent() && shiftState == shift::Ctrl && keyCode == keys::F4) return closeBox(*active);
    if (Control* focused = active->focused()) pressKey(*focused, keyCode, shiftState);
}

}  // namespace forms::headless
