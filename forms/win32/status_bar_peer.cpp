// A status bar: one part per panel, along the bottom of the window. The
// clock and Caps Lock parts are written here, from a timer of the bar's own;
// each panel's tool tip is a tool over its part's rectangle. The Caps Lock
// part is drawn by the peer, as the system's key-state panels are: "CAPS"
// always, in the grey text colour while the lock is off.
#include "win32_peer.hpp"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "forms/status_bar.hpp"
#include "platform/win32_text.hpp"

namespace forms::win32 {

class StatusBarPeer : public ControlPeerBase, public StatusBar::Peer, public OwnerMessageHook {
public:
    explicit StatusBarPeer(StatusBar& bar) : ControlPeerBase(bar), bar_(bar) {
        create(STATUSCLASSNAMEW, CCS_BOTTOM, 0, "");
        applyPanels();
    }
    ~StatusBarPeer() override { StatusBarPeer::orphan(); }

    void orphan() override {
        dropTips();
        if (hwnd_) KillTimer(hwnd_, kRefreshTimer);
        ControlPeerBase::orphan();
    }

    // Drawn at once: a handler that goes on working after it sets a text
    // (starting a program, say) keeps the window from its message loop, and
    // the next text would replace this one before it was ever drawn.
    void update(StatusBar::Aspect what) override {
        if (what == StatusBar::Aspect::Panels) applyPanels();
        else writeTexts();
        UpdateWindow(hwnd_);
    }

    void sync(Property what) override {
        if (what != Property::Bounds) ControlPeerBase::sync(what);  // it places itself along the bottom
    }

    // Status bars place themselves along the bottom when told of a new size;
    // a panel that takes the rest and the tool tips' rectangles follow.
    bool onOwnerMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == WM_SIZE) {
            SendMessageW(hwnd_, WM_SIZE, 0, 0);
            layoutParts();
        }
        return false;
    }

    bool onNotify(NMHDR* header, LRESULT&) override {
        if (header->code != NM_DBLCLK) return false;
        bar_.userDoubleClick();
        return true;
    }

    bool onDrawItem(const DRAWITEMSTRUCT& item) override {
        const auto& panels = bar_.panels();
        if (item.itemID >= panels.size() || panels[item.itemID].style != PanelStyle::CapsLock) return false;
        RECT text = item.rcItem;
        text.left += GetSystemMetrics(SM_CXEDGE);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(capsLockOn() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(item.hDC, kCaps, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return true;
    }

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == kRefreshTimer) {
            writeTexts();
            return 0;
        }
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && (tips_ || addTips())) {
            MSG relayed{hwnd_, message, wParam, lParam, 0, {}};
            SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        }
        return ControlPeerBase::handle(message, wParam, lParam);
    }

private:
    // Often enough that Caps Lock shows within a moment and the clock's
    // seconds never lag by more than a quarter of one.
    static constexpr UINT_PTR kRefreshTimer = 1;
    static constexpr UINT kRefreshMilliseconds = 250;
    static constexpr const wchar_t* kCaps = L"CAPS";

    static bool capsLockOn() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

    void applyPanels() {
        shown_.clear();
        layoutParts();
        writeTexts();
        const auto& panels = bar_.panels();
        bool live = std::any_of(panels.begin(), panels.end(),
                                [](const StatusPanel& panel) { return panel.style != PanelStyle::Text; });
        if (live) SetTimer(hwnd_, kRefreshTimer, kRefreshMilliseconds, nullptr);
        else KillTimer(hwnd_, kRefreshTimer);
        dropTips();  // made again when the mouse first comes over the bar
    }

    // Fixed panels get their width; panels of width 0 share what is left,
    // and the last part runs to the end of the bar.
    void layoutParts() {
        const auto& panels = bar_.panels();
        RECT client{};
        GetClientRect(hwnd_, &client);
        int fixed = 0, springs = 0;
        for (const StatusPanel& panel : panels) {
            if (panel.width > 0) fixed += toPixels(panel.width, dpi());
            else ++springs;
        }
        int spare = std::max(0, static_cast<int>(client.right) - fixed);
        std::vector<int> edges;
        int right = 0;
        for (const StatusPanel& panel : panels) {
            right += panel.width > 0 ? toPixels(panel.width, dpi()) : spare / std::max(1, springs);
            edges.push_back(right);
        }
        if (edges.empty()) edges.push_back(-1);
        edges.back() = -1;
        SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        moveTips();
    }

    std::wstring textOf(const StatusPanel& panel) const {
        wchar_t buffer[80] = L"";
        switch (panel.style) {
            case PanelStyle::Text: return platform::widen(panel.text);
            case PanelStyle::Time:
                GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, 80);
                return buffer;
            case PanelStyle::Date:
                GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, 80);
                return buffer;
            case PanelStyle::CapsLock: return capsLockOn() ? L"CAPS on" : L"CAPS off";  // what the part is drawn for
        }
        return {};
    }

    // Writes only the parts whose text changed, so that the clock does not flicker.
    void writeTexts() {
        const auto& panels = bar_.panels();
        shown_.resize(panels.size(), std::wstring(1, L'\uFFFF'));
        for (size_t i = 0; i < panels.size(); ++i) {
            std::wstring text = textOf(panels[i]);
            if (text == shown_[i]) continue;
            shown_[i] = text;
            if (panels[i].style == PanelStyle::CapsLock) {  // drawn in onDrawItem
                SendMessageW(hwnd_, SB_SETTEXTW, i | SBT_OWNERDRAW, 0);
                RECT part{};
                SendMessageW(hwnd_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&part));
                InvalidateRect(hwnd_, &part, TRUE);
            } else SendMessageW(hwnd_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }

    TOOLINFOW tool(size_t index) const {
        TOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V1_SIZE;
        info.hwnd = hwnd_;
        info.uId = index + 1;
        SendMessageW(hwnd_, SB_GETRECT, index, reinterpret_cast<LPARAM>(&info.rect));
        return info;
    }

    // Makes the tip window for the panels that have a tip; false when none has.
    bool addTips() {
        dropTips();
        const auto& panels = bar_.panels();
        for (size_t i = 0; i < panels.size(); ++i) {
            if (panels[i].toolTip.empty()) continue;
            if (!tips_) {
                tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parentHwnd(bar_), nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
                if (!tips_) return false;
            }
            std::wstring text = platform::widen(panels[i].toolTip);
            TOOLINFOW info = tool(i);
            info.lpszText = &text[0];
            SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
        return tips_ != nullptr;
    }

    void moveTips() {
        if (!tips_) return;
        for (size_t i = 0; i < bar_.panels().size(); ++i) {
            TOOLINFOW info = tool(i);
            SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }

    void dropTips() {
        if (tips_) DestroyWindow(tips_);
        tips_ = nullptr;
    }

    StatusBar& bar_;
    std::vector<std::wstring> shown_;  // what each part shows now
    HWND tips_ = nullptr;
};

}  // namespace forms::win32

std::unique_ptr<forms::StatusBar::Peer> forms::makePeer(StatusBar& bar) { return std::make_unique<win32::StatusBarPeer>(bar); }
