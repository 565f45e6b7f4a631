#pragma once
// Acts on the real windows of this process as a user would, in the same
// words as the headless driver, so that the model's tests run on both
// backends. Every action goes through the real control: the focus is set on
// its window, keys are sent to whatever window has the focus, clicks and
// picks arrive as the notifications the system sends, and the messages the
// action posted run before it returns. Modal message boxes are answered from
// a queue given in advance; every box shown is recorded, and a box no test
// expected is closed and fails the action that showed it.
#include <deque>
#include <string>
#include <vector>

#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/check_box.hpp"
#include "forms/combo_box.hpp"
#include "forms/label.hpp"
#include "forms/list_box.hpp"
#include "forms/list_view.hpp"
#include "forms/menu.hpp"
#include "forms/scroll_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/tray_icon.hpp"
#include "forms/window.hpp"

namespace forms::win32 {

class Driver {
public:
    explicit Driver(App& app);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Modal boxes.
    void answer(MessageResult result) { answers_.push_back(result); }
    const std::vector<MessageBoxRequest>& boxes() const { return boxes_; }
    void clearBoxes() { boxes_.clear(); }

    void focus(Control& control);
    // Key by key, at the end of the text, as after a click behind its last character.
    void type(Control& control, const std::string& text);
    void pressKey(Control& control, int keyCode, int shiftState = 0);
    void click(Control& control);
    void pick(ComboBox& combo, int index);
    void pick(ComboBox& combo, const std::string& itemText);
    void pick(ListBox& list, int index);
    void pick(ListBox& list, const std::string& itemText);
    void doubleClick(Control& control);
    void doubleClick(ListBox& list, int index);
    void toggle(CheckBox& box);
    void scroll(ScrollBar& bar, int value);
    void trayNotify(TrayIcon& icon, int mouseMessage);
    // The system's notification area cannot be made to refuse icons from
    // inside the program: leaves the rest of the test out, saying so.
    void refuseTrayIcons(bool refuse);
    void clickMenu(MenuItem& item);
    void closeBox(Window& window);
    void minimize(Window& window);
    void restore(Window& window);
    // List views: a click on a column's header; a click on a row (focus
    // first); a double-click on a row. The list view reports them itself.
    void clickColumn(ListView& list, int column);
    void clickItem(ListView& list, int row);
    void doubleClick(ListView& list, int row);
    // A key with shift state, pressed while a window is active (a frame: its
    // active child), through the shortcut translation of the program's loop.
    void pressShortcut(Window& window, int shiftState, int keyCode);

    // The thread's hook reports each message box as it becomes active.
    void boxActivated(void* box);

private:
    void focusForKeys(Control& control);
    void sendKeys(int keyCode, const std::wstring& characters);
    // Runs what the action posted, then fails on a box no test expected.
    void settle();

    std::deque<MessageResult> answers_;
    std::vector<MessageBoxRequest> boxes_;
    std::vector<std::string> unexpected_;
    void* hook_ = nullptr;
    Driver* outer_ = nullptr;
};

}  // namespace forms::win32
