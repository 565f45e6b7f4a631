// A push button; with its own colours it is drawn here, in its back colour and font.
#include "forms/button.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class ButtonPeer : public ControlPeerBase, public Button::Peer {
public:
    explicit ButtonPeer(Button& button) : ControlPeerBase(button), button_(button) {
        bool isDefault = button.window().defaultButton() == &button;
        DWORD style = (button.ownColors() ? BS_OWNERDRAW : isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                      (button.tabStop() ? WS_TABSTOP : 0);
        create(L"BUTTON", style, 0, button.caption());
    }

    void update(Button::Aspect what) override {
        if (what == Button::Aspect::Caption) SetWindowTextW(hwnd_, platform::widen(button_.caption()).c_str());
    }

    // The window's default button is drawn with the heavier border.
    void markDefault(bool isDefault) {
        if (!button_.ownColors())
            SendMessageW(hwnd_, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }

    bool onCommand(WORD code) override {
        if (code != BN_CLICKED) return false;
        button_.userClick();
        return true;
    }

    bool onDrawItem(const DRAWITEMSTRUCT& item) override {
        RECT r = item.rcItem;
        bool pressed = (item.itemState & ODS_SELECTED) != 0;
        FillRect(item.hDC, &r, background_.get(button_.backColor()));
        DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        std::wstring caption = platform::widen(button_.caption());
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, toColorRef(button_.enabled() ? button_.foreColor() : colors::GrayText));
        HGDIOBJ oldFont = SelectObject(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        RECT text = r;
        if (pressed) OffsetRect(&text, 1, 1);
        DrawTextW(item.hDC, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(item.hDC, oldFont);
        if (item.itemState & ODS_FOCUS) {
            InflateRect(&r, -4, -4);
            DrawFocusRect(item.hDC, &r);
        }
        return true;
    }

protected:
    // Enter on a focused button presses it, as Space does.
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CHAR && wParam == '\r') {
            if (ControlPeerBase::handle(message, wParam, lParam) == 0 && button_.window().loaded()) button_.userClick();
            return 0;
        }
        return ControlPeerBase::handle(message, wParam, lParam);
    }

private:
    Button& button_;
};

void markDefaultButton(ControlPeer* peer, bool isDefault) {
    if (auto* button = dynamic_cast<ButtonPeer*>(peer)) button->markDefault(isDefault);
}

}  // namespace forms::win32

std::unique_ptr<forms::Button::Peer> forms::makePeer(Button& button) { return std::make_unique<win32::ButtonPeer>(button); }
