// A push button; with its own colours it is drawn here, in its back colour and
// font. A button with a picture shows that icon of the program's instead of
// its caption (BS_ICON, or drawn here with its own colours).
#include "forms/button.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class ButtonPeer : public ControlPeerBase, public Button::Peer {
public:
    explicit ButtonPeer(Button& button) : ControlPeerBase(button), button_(button) {
        bool isDefault = button.window().defaultButton() == &button;
        DWORD style = (button.ownColors() ? BS_OWNERDRAW : isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                      pictureStyle() | (button.tabStop() ? WS_TABSTOP : 0);
        create(L"BUTTON", style, 0, button.caption());
        if (button.picture()) {
            const int side = iconSide();
            icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(button.picture()),
                                                  IMAGE_ICON, side, side, 0));
            if (icon_) SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_));
        }
    }
    ~ButtonPeer() override {
        if (!icon_) return;
        SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_ICON, 0);
        DestroyIcon(icon_);
    }

    void update(Button::Aspect what) override {
        if (what == Button::Aspect::Caption) SetWindowTextW(hwnd_, platform::widen(button_.caption()).c_str());
    }

    // The window's default button is drawn with the heavier border.
    void markDefault(bool isDefault) {
        if (!button_.ownColors())
            SendMessageW(hwnd_, BM_SETSTYLE, (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | pictureStyle(), TRUE);
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
        if (icon_) {
            int size = GetSystemMetrics(SM_CXICON), offset = pressed ? 1 : 0;
            DrawIconEx(item.hDC, (r.left + r.right - size) / 2 + offset, (r.top + r.bottom - size) / 2 + offset, icon_,
                       size, size, 0, nullptr, DI_NORMAL);
            return drawFocus(item, r);
        }
        std::wstring caption = platform::widen(button_.caption());
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, toColorRef(button_.enabled() ? button_.foreColor() : colors::GrayText));
        HGDIOBJ oldFont = SelectObject(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        RECT text = r;
        if (pressed) OffsetRect(&text, 1, 1);
        DrawTextW(item.hDC, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(item.hDC, oldFont);
        return drawFocus(item, r);
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
    DWORD pictureStyle() const { return button_.picture() ? BS_ICON : 0; }

    // The large icon where the button holds it inside its border, else the
    // small one: a button as tall as a text box would show a clipped large icon.
    int iconSide() const {
        RECT area{};
        GetClientRect(hwnd_, &area);
        const int large = GetSystemMetrics(SM_CYICON), border = 3 * GetSystemMetrics(SM_CYEDGE);
        return area.bottom - area.top >= large + 2 * border ? large : GetSystemMetrics(SM_CYSMICON);
    }
    static bool drawFocus(const DRAWITEMSTRUCT& item, RECT r) {
        if (item.itemState & ODS_FOCUS) {
            InflateRect(&r, -4, -4);
            DrawFocusRect(item.hDC, &r);
        }
        return true;
    }

    Button& button_;
    HICON icon_ = nullptr;
};

void markDefaultButton(ControlPeer* peer, bool isDefault) {
    if (auto* button = dynamic_cast<ButtonPeer*>(peer)) button->markDefault(isDefault);
}

}  // namespace forms::win32

std::unique_ptr<forms::Button::Peer> forms::makePeer(Button& button) { return std::make_unique<win32::ButtonPeer>(button); }
