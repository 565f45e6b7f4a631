#include "forms/win32/driver.hpp"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include "app_peer.hpp"
#include "busy_hook.hpp"
#include "forms/win32/automation_tags.hpp"
#include "forms/mdi_frame.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"
#include "window_peer.hpp"

namespace forms::win32 {

namespace {

Driver* activeDriver = nullptr;
constexpr const wchar_t* kSeenProperty = L"FormsTestBoxSeen";

LRESULT CALLBACK watchBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeDriver) activeDriver->boxActivated(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

VOID CALLBACK modalTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (activeDriver) activeDriver->runModalActions();
}

void countBusy(const Window& window) {
    if (activeDriver) activeDriver->busyShownIn(window);
}

// Runs the messages waiting in this thread's queue. No program loop runs in
// a test, so a quit message the program posted as it ended is dropped.
void pump() {
    MSG message;
    for (int i = 0; i < 10000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND realWindow(Control& control) {
    auto* peer = dynamic_cast<ControlPeerBase*>(control.peer());
    if (!peer || !peer->hwnd()) throw std::logic_error(control.name() + " has no real window");
    return peer->hwnd();
}

HWND realWindow(Window& window) {
    auto* peer = static_cast<WindowPeerImpl*>(window.peer());
    return peer ? peer->hwnd() : nullptr;
}

// A control a user can click: shown, with an area on the screen.
HWND reachableWindow(Control& control) {
    HWND hwnd = realWindow(control);
    RECT area{};
    if (!IsWindowVisible(hwnd) || !GetClientRect(hwnd, &area) || IsRectEmpty(&area))
        throw std::logic_error(control.name() + " has no area on the screen to click");
    return hwnd;
}

// Where a control's focus and keys go: an editable combo's edit field.
HWND keyWindow(Control& control) {
    HWND hwnd = realWindow(control);
    auto* combo = dynamic_cast<ComboBox*>(&control);
    if (combo && combo->style() == ComboStyle::DropDown)
        if (HWND edit = GetWindow(hwnd, GW_CHILD)) return edit;
    return hwnd;
}

bool hasClass(HWND hwnd, const wchar_t* name) {
    wchar_t found[64] = {};
    GetClassNameW(hwnd, found, 64);
    return lstrcmpiW(found, name) == 0;
}

// The notification a control sends its parent when the user acts on it.
void notifyParent(HWND hwnd, WORD code) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

void mouseAt(HWND hwnd, const RECT& area, std::initializer_list<UINT> messages) {
    LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    for (UINT message : messages) SendMessageW(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}

void mouseAtMiddle(HWND hwnd, std::initializer_list<UINT> messages) {
    RECT client{};
    GetClientRect(hwnd, &client);
    mouseAt(hwnd, client, messages);
}

// A row of a list view brought into sight; its first cell, where a click lands.
RECT rowArea(HWND list, int row) {
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT area{};
    area.left = LVIR_LABEL;
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&area)) ||
        IsRectEmpty(&area))
        throw std::logic_error("row " + std::to_string(row) + " has no area on the screen to click");
    return area;
}

// Holds Shift, Ctrl and Alt down in the thread's keyboard state for one key
// (the peers read them with GetKeyState).
class HeldShiftKeys {
public:
    explicit HeldShiftKeys(int shiftState) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        auto hold = [&](int flag, std::initializer_list<int> keys) {
            if (shiftState & flag)
                for (int key : keys) state[key] |= 0x80;
        };
        hold(shift::Shift, {VK_SHIFT, VK_LSHIFT});
        hold(shift::Ctrl, {VK_CONTROL, VK_LCONTROL});
        hold(shift::Alt, {VK_MENU, VK_LMENU});
        SetKeyboardState(state);
    }
    ~HeldShiftKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256] = {};
};

HWND shownButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button && (GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE) ? button : nullptr;
}

// A box's button set and icon, from the controls it is made of (unused
// buttons may be there hidden).
MessageButtons buttonsOf(HWND box) {
    auto has = [box](int id) { return shownButton(box, id) != nullptr; };
    if (has(IDYES)) return has(IDCANCEL) ? MessageButtons::YesNoCancel : MessageButtons::YesNo;
    if (has(IDABORT)) return MessageButtons::AbortRetryIgnore;
    if (has(IDRETRY)) return MessageButtons::RetryCancel;
    return has(IDCANCEL) ? MessageButtons::OkCancel : MessageButtons::Ok;
}

MessageIcon iconOf(HWND box) {
    const std::pair<LPCWSTR, MessageIcon> known[] = {{IDI_HAND, MessageIcon::Critical},
                                                     {IDI_QUESTION, MessageIcon::Question},
                                                     {IDI_EXCLAMATION, MessageIcon::Exclamation},
                                                     {IDI_ASTERISK, MessageIcon::Information}};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!hasClass(child, L"Static") || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        for (const auto& [id, icon] : known)
            if (shown && shown == LoadIconW(nullptr, id)) return icon;
    }
    return MessageIcon::None;
}

}  // namespace

// A thread of the driver's with a hidden window that holds the clipboard
// open until it is let go (or a minute has passed).
struct ClipboardHold {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    bool held = false;

    static DWORD WINAPI hold(void* parameter) {
        auto* self = static_cast<ClipboardHold*>(parameter);
        HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        self->held = owner && OpenClipboard(owner);
        SetEvent(self->ready);
        if (self->held) {
            WaitForSingleObject(self->release, 60000);
            CloseClipboard();
        }
        if (owner) DestroyWindow(owner);
        return 0;
    }
    ~ClipboardHold() {
        SetEvent(release);
        if (thread) {
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
        }
        CloseHandle(ready);
        CloseHandle(release);
    }
};

Driver::Driver(App& app) : app_(app), outer_(activeDriver) {
    if (!dynamic_cast<Win32AppPeer*>(&app.peer())) throw std::logic_error("the program does not use the Win32 backend");
    hook_ = SetWindowsHookExW(WH_CBT, &watchBoxes, nullptr, GetCurrentThreadId());
    if (!hook_) throw std::runtime_error("no message box hook (system error " + std::to_string(GetLastError()) + ")");
    activeDriver = this;
    outerBusyShown_ = busyShown;
    busyShown = &countBusy;
    timer_ = SetTimer(nullptr, 0, 10, &modalTimer);
    pump();  // what an earlier program left behind
}

Driver::~Driver() {
    clipboardHold_.reset();
    KillTimer(nullptr, static_cast<UINT_PTR>(timer_));
    busyShown = outerBusyShown_;
    UnhookWindowsHookEx(static_cast<HHOOK>(hook_));
    activeDriver = outer_;
    if (modalFailure_) unexpected_.push_back("an action queued for a modal window failed");
    for (const std::string& box : unexpected_) ADD_FAILURE() << box << " (shown outside the driver's actions)";
}

// A box is answered by a click on the queued answer's button, posted so that
// the box's own loop takes it; one that no test expected is closed.
void Driver::boxActivated(void* handle) {
    HWND box = static_cast<HWND>(handle);
    if (!hasClass(box, L"#32770") || GetPropW(box, kSeenProperty)) return;
    SetPropW(box, kSeenProperty, reinterpret_cast<HANDLE>(1));
    HWND edit = GetDlgItem(box, kInputBoxEditId);
    if (edit && hasClass(edit, L"Edit")) return answerInputBox(box);
    wchar_t text[4096] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 4096);
    boxes_.push_back({platform::narrow(text), readWindowText(box), buttonsOf(box), iconOf(box)});
    const MessageBoxRequest& shown = boxes_.back();
    std::string named = "message box \"" + shown.text + "\" titled \"" + shown.title + "\"";
    HWND button = nullptr;
    if (answers_.empty()) {
        unexpected_.push_back("unexpected " + named);
    } else {
        int id = static_cast<int>(answers_.front());
        answers_.pop_front();
        button = shownButton(box, id);
        if (!button) unexpected_.push_back("the answer " + std::to_string(id) + " is no button of the " + named);
    }
    for (int id : {IDCANCEL, IDNO, IDOK, IDABORT, IDIGNORE, IDRETRY, IDYES})
        if (!button) button = shownButton(box, id);
    if (button)
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(box, WM_CLOSE, 0, 0);
}

// The queued text is put into the box's edit and OK clicked, or Cancel is;
// one that no test expected is cancelled.
void Driver::answerInputBox(void* handle) {
    HWND box = static_cast<HWND>(handle);
    HWND edit = GetDlgItem(box, kInputBoxEditId);
    wchar_t prompt[4096] = {};
    GetDlgItemTextW(box, 0xFFFF, prompt, 4096);
    inputBoxes_.push_back({platform::narrow(prompt), readWindowText(box), readWindowText(edit)});
    int button = IDCANCEL;
    if (inputAnswers_.empty()) {
        const InputBoxRequest& shown = inputBoxes_.back();
        unexpected_.push_back("unexpected input box \"" + shown.prompt + "\" titled \"" + shown.title + "\"");
    } else {
        if (inputAnswers_.front()) {
            SetWindowTextW(edit, platform::widen(*inputAnswers_.front()).c_str());
            button = IDOK;
        }
        inputAnswers_.pop_front();
    }
    PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
}

// The window whose loop runs is the modal one still enabled (a modal window
// disables the others, an outer modal one too). Its actions run in order
// until one closes it; with none left it stays open, which fails the test:
// its loop is ended (the window stays shown) and the driver's action fails.
// An action's failure ends the loop the same way and fails that action.
void Driver::runModalActions() {
    if (runningModal_) return;
    Window* modal = nullptr;
    for (Window* window : app_.loadedWindows()) {
        HWND hwnd = window->modal() && window->visible() ? realWindow(*window) : nullptr;
        if (hwnd && IsWindowEnabled(hwnd)) modal = window;
    }
    if (!modal) return;
    runningModal_ = true;
    while (modal->modal() && modal->visible() && !app_.ended()) {
        auto next = std::find_if(modalActions_.begin(), modalActions_.end(),
                                 [modal](const auto& queued) { return queued.first == modal; });
        if (next == modalActions_.end()) {
            unexpected_.push_back("modal window \"" + modal->name() + "\" stays open: no action queued closes it");
            PostQuitMessage(0);
            break;
        }
        std::function<void()> action = std::move(next->second);
        modalActions_.erase(next);
        try {
            action();
        } catch (...) {
            modalFailure_ = std::current_exception();
            PostQuitMessage(0);
            break;
        }
    }
    runningModal_ = false;
}

int Driver::timesBusy(const Window& window) const {
    return static_cast<int>(std::count(busyWindows_.begin(), busyWindows_.end(), window.name()));
}

void Driver::refuseClipboard(bool refuse) {
    if (!refuse) {
        clipboardHold_.reset();
        return;
    }
    if (clipboardHold_) return;
    auto hold = std::make_unique<ClipboardHold>();
    hold->thread = CreateThread(nullptr, 0, &ClipboardHold::hold, hold.get(), 0, nullptr);
    if (!hold->thread || WaitForSingleObject(hold->ready, 10000) != WAIT_OBJECT_0 || !hold->held)
        throw std::runtime_error("refuseClipboard: another thread could not hold the clipboard open");
    clipboardHold_ = std::move(hold);
}

// Positions in the real control count UTF-16 units, a line break two in an
// EDIT and one in a rich edit.
void Driver::select(TextBox& box, int start, int length) {
    focus(box);
    HWND hwnd = reachableWindow(box);
    const int breakUnits = hasClass(hwnd, L"RichEdit20W") ? 1 : 2;
    const std::string text = box.text();
    SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(unitOffset(text, start, breakUnits)),
                 static_cast<LPARAM>(unitOffset(text, start + length, breakUnits)));
    settle();
}

std::size_t Driver::backgroundWorkWaiting() const {
    return static_cast<std::size_t>(dynamic_cast<Win32AppPeer&>(app_.peer()).backgroundWorkWaiting());
}

void Driver::finishBackgroundWork() {
    const DWORD deadline = GetTickCount() + 10000;
    while (backgroundWorkWaiting() > 0) {
        if (static_cast<LONG>(deadline - GetTickCount()) <= 0)
            throw std::logic_error("background work still running after 10 s");
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        pump();
    }
    settle();
}

void Driver::settle() {
    pump();
    if (modalFailure_) {
        std::exception_ptr failure = modalFailure_;
        modalFailure_ = nullptr;
        unexpected_.clear();
        std::rethrow_exception(failure);
    }
    if (unexpected_.empty()) return;
    std::string box = unexpected_.front();
    unexpected_.clear();
    throw std::logic_error(box);
}

void Driver::focus(Control& control) {
    if (!control.window().loaded())
        throw std::logic_error("focus: window " + control.window().name() + " is not loaded");
    if (!control.visible() || !control.enabled())
        throw std::logic_error("focus: " + control.name() + " cannot be reached");
    if (control.focusable()) SetFocus(keyWindow(control));
    settle();
}

// Keys land at the end of an edit's text, as after a click behind its last
// character (a combo selects its whole text when it gets the focus); in a
// text box that has the focus already, where its caret or selection is.
void Driver::focusForKeys(Control& control) {
    const bool had = dynamic_cast<TextBox*>(&control) && control.window().loaded() && GetFocus() == keyWindow(control);
    focus(control);
    HWND target = keyWindow(control);
    if (!had && (hasClass(target, L"Edit") || hasClass(target, L"RichEdit20W"))) {
        WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(target));
        SendMessageW(target, EM_SETSEL, end, static_cast<LPARAM>(end));
    }
}

// One key: down, its characters, up, each sent to the window that has the
// focus at that moment, as the system's keyboard input goes.
void Driver::sendKeys(int keyCode, const std::wstring& characters) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(keyCode), 0)) << 16;
    auto send = [&](UINT message, WPARAM wParam, LPARAM flags) {
        if (HWND target = GetFocus()) SendMessageW(target, message, wParam, 1 | scan | flags);
    };
    // With Alt held a key comes as a system key, with the context bit set.
    const bool alt = GetKeyState(VK_MENU) < 0;
    const LPARAM context = alt ? static_cast<LPARAM>(1) << 29 : 0;
    send(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(keyCode), context);
    for (wchar_t character : characters) send(alt ? WM_SYSCHAR : WM_CHAR, character, context);
    send(alt ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(keyCode), context | static_cast<LPARAM>(3) << 30);
}

void Driver::type(Control& control, const std::string& text) {
    focusForKeys(control);
    for (size_t i = 0; i < text.size() && control.window().loaded();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        if (text.compare(i, 2, "\r\n") == 0 || lead == '\n' || lead == '\r') {
            pressKey(control, keys::Return);
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            continue;
        }
        size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        // Letters and digits come with their own key code; anything else as a
        // character packet, as typed text does.
        int keyCode = VK_PACKET;
        if (lead >= 'a' && lead <= 'z')
            keyCode = lead - 'a' + 'A';
        else if ((lead >= 'A' && lead <= 'Z') || (lead >= '0' && lead <= '9') || lead == ' ')
            keyCode = lead;
        sendKeys(keyCode, platform::widen(text.substr(i, length)));
        i += length;
        settle();
    }
}

void Driver::pressKey(Control& control, int keyCode, int shiftState) {
    focusForKeys(control);
    std::wstring character;  // what the system makes of the key
    if (keyCode == keys::Back)
        character = L"\b";
    else if (keyCode == keys::Return)
        character = (shiftState & shift::Ctrl) ? L"\n" : L"\r";
    else if (keyCode == keys::Escape)
        character = L"\x1b";
    else if (keyCode == keys::Tab)
        character = L"\t";
    HeldShiftKeys held(shiftState);
    sendKeys(keyCode, character);
    settle();
}

void Driver::click(Control& control) {
    if (!control.enabled() || !control.visible())
        throw std::logic_error("click: " + control.name() + " cannot be reached");
    focus(control);
    HWND hwnd = reachableWindow(control);
    if (dynamic_cast<Button*>(&control) || dynamic_cast<CheckBox*>(&control))
        SendMessageW(hwnd, BM_CLICK, 0, 0);
    else if (dynamic_cast<Label*>(&control))
        notifyParent(hwnd, STN_CLICKED);
    else
        mouseAtMiddle(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    settle();
}

void Driver::setTextFromOutside(Control& control, const std::string& text) {
    SendMessageW(keyWindow(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(platform::widen(text).c_str()));
    settle();
}

void Driver::pick(ComboBox& combo, int index) {
    if (index < 0 || index >= combo.listCount())
        throw std::out_of_range("pick: no item " + std::to_string(index) + " in " + combo.name());
    focus(combo);
    HWND hwnd = reachableWindow(combo);
    SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    notifyParent(hwnd, CBN_SELCHANGE);
    settle();
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
    HWND hwnd = reachableWindow(list);
    SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    notifyParent(hwnd, LBN_SELCHANGE);
    settle();
}

void Driver::pick(ListBox& list, const std::string& itemText) {
    for (int i = 0; i < list.listCount(); ++i)
        if (list.item(i) == itemText) return pick(list, i);
    throw std::out_of_range("pick: no item \"" + itemText + "\" in " + list.name());
}

void Driver::doubleClick(Control& control) {
    focus(control);
    HWND hwnd = reachableWindow(control);
    if (dynamic_cast<Label*>(&control))
        notifyParent(hwnd, STN_DBLCLK);
    else if (dynamic_cast<ListBox*>(&control))
        notifyParent(hwnd, LBN_DBLCLK);
    else
        mouseAtMiddle(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    settle();
}

// The first click picks the item, the second reports the double-click.
void Driver::doubleClick(ListBox& list, int index) {
    pick(list, index);
    if (!list.window().loaded()) return;
    notifyParent(realWindow(list), LBN_DBLCLK);
    settle();
}

void Driver::toggle(CheckBox& box) { click(box); }

// A drag leaves the thumb at the value (a thumb goes no further than the
// bar's range), where the bar's tracking position reads it; the bar then
// reports the thumb's release to its parent.
void Driver::scroll(ScrollBar& bar, int value) {
    focus(bar);
    HWND hwnd = reachableWindow(bar);
    int at = std::max(bar.min(), std::min(bar.max(), value));
    SetScrollPos(hwnd, SB_CTL, at, TRUE);
    SendMessageW(GetParent(hwnd), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, at), reinterpret_cast<LPARAM>(hwnd));
    SendMessageW(GetParent(hwnd), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(hwnd));
    settle();
}

// As the shell reports mouse activity over the icon to the window that added it.
void Driver::trayNotify(TrayIcon& icon, int mouseMessage) {
    HWND owner = realWindow(icon.window());
    if (!owner) return;
    SendMessageW(owner, kTrayCallbackMessage, static_cast<WPARAM>(trayIconId(icon)), mouseMessage);
    settle();
}

void Driver::refuseTrayIcons(bool refuse) {
    if (refuse) throw testing::Skipped("the system's notification area cannot be made to refuse icons");
}

void Driver::clickMenu(MenuItem& item) {
    HWND hwnd = realWindow(item.window());
    if (!item.window().loaded() || !hwnd) throw std::logic_error("clickMenu: window not loaded");
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(kFirstMenuId + item.index(), 0), 0);
    settle();
}

void Driver::closeBox(Window& window) {
    if (HWND hwnd = realWindow(window)) SendMessageW(hwnd, WM_CLOSE, 0, 0);
    settle();
}

void Driver::minimize(Window& window) {
    if (HWND hwnd = realWindow(window)) ShowWindow(hwnd, SW_MINIMIZE);
    settle();
}

void Driver::restore(Window& window) {
    if (HWND hwnd = realWindow(window)) ShowWindow(hwnd, SW_RESTORE);
    settle();
}

// The header reports a click on its item to the list view, which tells its
// parent of the column click.
void Driver::clickColumn(ListView& list, int column) {
    if (!list.enabled() || !list.visible())
        throw std::logic_error("clickColumn: " + list.name() + " cannot be reached");
    if (column < 0 || column >= static_cast<int>(list.columns().size()))
        throw std::out_of_range("clickColumn: no column " + std::to_string(column) + " in " + list.name());
    HWND header = reinterpret_cast<HWND>(SendMessageW(reachableWindow(list), LVM_GETHEADER, 0, 0));
    RECT area{};
    if (!header ||
        !SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&area)) ||
        IsRectEmpty(&area))
        throw std::logic_error("clickColumn: column " + std::to_string(column) + " of " + list.name() +
                               " is not shown");
    mouseAt(header, area, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    settle();
}

// The list view selects the row itself and reports the click (and the
// double-click) to its parent.
void Driver::clickItem(ListView& list, int row) {
    if (row < 0 || row >= list.listCount())
        throw std::out_of_range("clickItem: no row " + std::to_string(row) + " in " + list.name());
    focus(list);
    HWND hwnd = reachableWindow(list);
    mouseAt(hwnd, rowArea(hwnd, row), {WM_LBUTTONDOWN, WM_LBUTTONUP});
    settle();
}

void Driver::doubleClick(ListView& list, int row) {
    clickItem(list, row);
    if (!list.window().loaded()) return;
    HWND hwnd = reachableWindow(list);
    mouseAt(hwnd, rowArea(hwnd, row), {WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    settle();
}

// Below the last row shown, where no row is: the list view deselects by itself.
void Driver::clickBesideRows(ListView& list) {
    focus(list);
    HWND hwnd = reachableWindow(list);
    RECT empty{};
    GetClientRect(hwnd, &empty);
    const int count = static_cast<int>(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0));
    if (count > 0) {
        RECT last{};
        last.left = LVIR_BOUNDS;
        SendMessageW(hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last));
        empty.top = std::max(empty.top, last.bottom + 1);
    }
    if (IsRectEmpty(&empty))
        throw std::logic_error("clickBesideRows: " + list.name() + " has no empty space below its rows");
    mouseAt(hwnd, empty, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    settle();
}

bool Driver::closeOffered(Window& window) const {
    HWND hwnd = realWindow(window);
    HMENU menu = hwnd ? GetSystemMenu(hwnd, FALSE) : nullptr;
    if (!menu) return false;
    const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

// The key goes to the focused control of the active window (or to that
// window), and through the program loop's shortcut translation first.
void Driver::pressShortcut(Window& window, int shiftState, int keyCode) {
    if (!window.loaded()) throw std::logic_error("pressShortcut: window " + window.name() + " is not loaded");
    Window* active = &window;
    if (auto* frame = dynamic_cast<MdiFrame*>(&window); frame && frame->activeChild()) active = frame->activeChild();
    HWND target = realWindow(*active);
    if (Control* focused = active->focused()) {
        focus(*focused);
        target = keyWindow(*focused);
    }
    HeldShiftKeys held(shiftState);
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(keyCode), 0)) << 16;
    for (auto [message, flags] : {std::pair<UINT, LPARAM>{WM_KEYDOWN, 0}, {WM_KEYUP, static_cast<LPARAM>(3) << 30}}) {
        MSG key{};
        key.hwnd = target;
        key.message = message;
        key.wParam = static_cast<WPARAM>(keyCode);
        key.lParam = 1 | scan | flags;
        key.time = GetTickCount();
        if (translateShortcut(key)) continue;
        TranslateMessage(&key);
        DispatchMessageW(&key);
    }
    settle();
}

}  // namespace forms::win32
