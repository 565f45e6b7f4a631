#pragma once
// Acts on the real windows of this process as a user would, in the same
// words as the headless driver, so that the model's tests run on both
// backends. Every action goes through the real control: the focus is set on
// its window, keys are sent to whatever window has the focus, clicks and
// picks arrive as the notifications the system sends, and the messages the
// action posted run before it returns. Modal message boxes are answered from
// a queue given in advance; every box shown is recorded, and a box no test
// expected is closed and fails the action that showed it. Input boxes are
// answered the same way, modal windows get the actions queued for them from
// inside their own message loop, and the clipboard is the system's.
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
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

struct ClipboardHold;

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
    // Input boxes: the next is answered with this text (typed into its edit,
    // then OK), or cancelled.
    void answerInput(std::string text) { inputAnswers_.emplace_back(std::move(text)); }
    void cancelInput() { inputAnswers_.emplace_back(std::nullopt); }
    const std::vector<InputBoxRequest>& inputBoxes() const { return inputBoxes_; }
    // What the user does once the window is shown modally: each action runs
    // once, from the window's own loop, until one of them has closed it.
    void whileModal(Window& window, std::function<void()> action) {
        modalActions_.emplace_back(&window, std::move(action));
    }
    // How many times the window turned to the wait cursor so far.
    int timesBusy(const Window& window) const;
    // Another thread holds the system's clipboard open, so that the
    // program's attempts to open it fail; false lets it go.
    void refuseClipboard(bool refuse);
    // Selects part of a text box's text in the real control, as dragging the
    // mouse over it would (focus first); typing then replaces it.
    void select(TextBox& box, int start, int length);

    // Another program sets the text of a text box or of an editable combo's
    // edit field with WM_SETTEXT, as automation and accessibility tools do.
    void setTextFromOutside(Control& control, const std::string& text);

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
    // first); a double-click on a row; a click on the empty space below the
    // rows (focus first). The list view reports them itself.
    void clickColumn(ListView& list, int column);
    void clickItem(ListView& list, int row);
    void doubleClick(ListView& list, int row);
    void clickBesideRows(ListView& list);
    // Whether the window's system menu offers Close (not greyed).
    bool closeOffered(Window& window) const;
    // A key with shift state, pressed while a window is active (a frame: its
    // active child), through the shortcut translation of the program's loop.
    void pressShortcut(Window& window, int shiftState, int keyCode);
    // Background work the program started: how much is still running, and
    // waiting (bounded) while the events flow until it has all come back.
    std::size_t backgroundWorkWaiting() const;
    void finishBackgroundWork();

    // The thread's hook reports each message box as it becomes active.
    void boxActivated(void* box);
    // The driver's timer, from whatever message loop runs: the actions queued
    // for the modal window whose loop that is.
    void runModalActions();
    // The backend reports each window that turns to the wait cursor.
    void busyShownIn(const Window& window) { busyWindows_.push_back(window.name()); }

private:
    void focusForKeys(Control& control);
    void sendKeys(int keyCode, const std::wstring& characters);
    // Runs what the action posted, then fails on a box no test expected.
    void settle();
    void answerInputBox(void* box);

    App& app_;
    std::deque<MessageResult> answers_;
    std::vector<MessageBoxRequest> boxes_;
    std::vector<std::string> unexpected_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::vector<InputBoxRequest> inputBoxes_;
    std::deque<std::pair<Window*, std::function<void()>>> modalActions_;
    std::exception_ptr modalFailure_;
    bool runningModal_ = false;
    std::vector<std::string> busyWindows_;
    void (*outerBusyShown_)(const Window&) = nullptr;
    std::unique_ptr<ClipboardHold> clipboardHold_;
    unsigned long long timer_ = 0;
    void* hook_ = nullptr;
    Driver* outer_ = nullptr;
};

}  // namespace forms::win32
