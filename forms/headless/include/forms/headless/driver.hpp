#pragma once
// Acts on headless windows as a user would: focus, typing key by key, clicks,
// picks, keys, menus, the close box and minimising. Modal boxes are answered
// from a queue given in advance; every box shown is recorded.
#include <functional>
#include <string>
#include <vector>

#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/check_box.hpp"
#include "forms/combo_box.hpp"
#include "forms/list_box.hpp"
#include "forms/list_view.hpp"
#include "forms/scroll_bar.hpp"
#include "forms/tray_icon.hpp"
#include "forms/headless/headless_app.hpp"
#include "forms/menu.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace forms::headless {

class Driver {
public:
    explicit Driver(App& app);

    // Modal boxes.
    void answer(MessageResult result) { peer_.answers.push_back(result); }
    const std::vector<MessageBoxRequest>& boxes() const { return peer_.boxes; }
    void clearBoxes() { peer_.boxes.clear(); }
    // Input boxes: the next is answered with this text (OK), or cancelled.
    void answerInput(std::string text) { peer_.inputAnswers.emplace_back(std::move(text)); }
    void cancelInput() { peer_.inputAnswers.emplace_back(std::nullopt); }
    const std::vector<InputBoxRequest>& inputBoxes() const { return peer_.inputBoxes; }
    // What the user does once the window is shown modally (each action runs
    // once; showModal returns when one of them has closed the window).
    void whileModal(Window& window, std::function<void()> action) {
        peer_.modalActions.emplace_back(&window, std::move(action));
    }
    // How many times the window showed the wait cursor so far.
    int timesBusy(const Window& window) const;
    // The in-memory clipboard, and making it refuse to open.
    std::string clipboard() const { return peer_.clipboard; }
    void refuseClipboard(bool refuse) { peer_.refuseClipboard = refuse; }
    // Menus the program showed as pop-ups, by name, oldest first.
    const std::vector<std::string>& popups() const { return peer_.popups; }

    // What the user does the next times a handler has the program handle its
    // waiting events (App::processPendingEvents): one action each time, in order.
    void duringPendingEvents(std::function<void()> action) { peer_.pendingEventActions.push_back(std::move(action)); }
    // Background work the program started: how much waits, and running it
    // all, in the order started, each result reaching its window as an event.
    std::size_t backgroundWorkWaiting() const { return peer_.backgroundWork.size(); }
    void finishBackgroundWork();
    // Another program sets the text of a text box or of an editable combo, as
    // automation and accessibility tools do.
    void setTextFromOutside(Control& control, const std::string& text);

    // Puts the focus on a control as a click into it would (into a text box
    // that did not have it: the caret after the text).
    void focus(Control& control);
    // Selects part of a text box's text, as dragging the mouse over it would;
    // typing then replaces it.
    void select(TextBox& box, int start, int length);
    // Types text into a control, key by key: key down, key press, the edit, key up.
    void type(Control& control, const std::string& text);
    // Presses one key in a control (which gets the focus first).
    void pressKey(Control& control, int keyCode, int shiftState = 0);
    // Clicks a control: focus first for those that take it, then the click.
    void click(Control& control);
    // Picks an item of a list, by position or by its text (the first match).
    void pick(ComboBox& combo, int index);
    void pick(ComboBox& combo, const std::string& itemText);
    void pick(ListBox& list, int index);
    void pick(ListBox& list, const std::string& itemText);
    // Double-clicks a control; in a list box, on the item given (picked first).
    void doubleClick(Control& control);
    void doubleClick(ListBox& list, int index);
    // Clicks a check box: its tick flips.
    void toggle(CheckBox& box);
    // Moves a scroll bar to a value and lets go, as a finished drag or a key would.
    void scroll(ScrollBar& bar, int value);
    // The shell reports mouse activity over the notification-area icon.
    void trayNotify(TrayIcon& icon, int mouseMessage);
    void refuseTrayIcons(bool refuse) { peer_.refuseTrayIcons = refuse; }
    // Balloons the program showed from its notification-area icons, oldest first.
    const std::vector<Balloon>& balloons() const { return peer_.balloons; }
    // List views: a click on a column header (the focus stays where it is);
    // a click on a row (focus first, the row selected, then the item click);
    // a double-click on a row (that click, then the double-click); a click
    // on the empty space below the rows (focus first; the row selected
    // loses its highlight).
    void clickColumn(ListView& list, int column);
    void clickItem(ListView& list, int row);
    void doubleClick(ListView& list, int row);
    void clickBesideRows(ListView& list);
    void clickMenu(MenuItem& item);
    void closeBox(Window& window);
    // Whether the window's system menu offers Close (not greyed).
    bool closeOffered(const Window& window) const { return window.loaded() && window.closable(); }
    void minimize(Window& window);
    void restore(Window& window);
    // Presses a key with shift state (shift::Ctrl...) while a window is active
    // (a frame: its active child): a menu shortcut clicks its item, through
    // the model; Ctrl+F4 closes an MDI child, as the system's MDI keys do;
    // any other key goes to the focused control, if one is.
    void pressShortcut(Window& window, int shiftState, int keyCode);

private:
    void typeCharacter(Control& control, const std::string& character, int keyCode);
    void applyKeyEffect(TextBox& box, int keyCode, int keyAscii);
    void replaceTyped(TextBox& box, const std::string& with, bool deletingBack = false);

    App& app_;
    HeadlessAppPeer& peer_;
};

}  // namespace forms::headless
