// A text box: an EDIT, or a rich edit read as plain text. The model's text
// always has CR LF line breaks, whatever the control keeps inside.
#include "win32_peer.hpp"

#include <richedit.h>

#include "forms/text_box.hpp"
#include "platform/win32_text.hpp"

namespace forms::win32 {

namespace {

std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// Rich edit 2.0 exists on every Windows from 98 and XP on; its library is
// loaded by the first rich box and stays for the program's life.
bool richEditLoaded() {
    static const HMODULE library = LoadLibraryW(L"riched20.dll");
    return library != nullptr;
}

}  // namespace

class TextBoxPeer : public ControlPeerBase, public TextBox::Peer {
public:
    explicit TextBoxPeer(TextBox& box) : ControlPeerBase(box), box_(box) {
        DWORD style = ES_AUTOHSCROLL;
        if (box.multiLine()) {
            style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
            if (box.scrollBars() == ScrollBars::Vertical || box.scrollBars() == ScrollBars::Both) style |= WS_VSCROLL;
            if (box.scrollBars() == ScrollBars::Horizontal || box.scrollBars() == ScrollBars::Both)
                style |= WS_HSCROLL | ES_AUTOHSCROLL;
        }
        if (box.readOnly()) style |= ES_READONLY;
        if (box.tabStop()) style |= WS_TABSTOP;
        richEdit_ = box.rich() && richEditLoaded();
        syncing_ = true;
        create(richEdit_ ? RICHEDIT_CLASSW : L"EDIT", style, WS_EX_CLIENTEDGE, box.text());
        if (box.rich()) {
            SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE);
            SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(toColorRef(box.backColor())));
        }
        applyMaxLength();
        writeSelection(box.selection());
        syncing_ = false;
    }

    void update(TextBox::Aspect what) override {
        syncing_ = true;
        switch (what) {
            case TextBox::Aspect::Text: {
                // The caret after the new text, as the model has it.
                SetWindowTextW(hwnd_, platform::widen(box_.text()).c_str());
                int end = unitOffset(box_.text(), characterCount(box_.text()), lineBreakUnits());
                SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
                break;
            }
            case TextBox::Aspect::ReadOnly: SendMessageW(hwnd_, EM_SETREADONLY, box_.readOnly(), 0); break;
            case TextBox::Aspect::MaxLength: applyMaxLength(); break;
        }
        syncing_ = false;
    }

    void sync(Property what) override {
        if (what == Property::BackColor && box_.rich())
            SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(toColorRef(box_.backColor())));
        ControlPeerBase::sync(what);
    }

    // The edit control keeps the selection and tells nobody when the user
    // changes it, so the model asks for it here; positions are converted from
    // UTF-16 units, a line break taking two in an EDIT and one in a rich edit.
    bool readSelection(TextBox::Selection& selection) const override {
        DWORD start = 0, end = 0;
        SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const std::string text = box_.text();
        selection.start = positionAtUnit(text, static_cast<int>(start), lineBreakUnits());
        selection.length = positionAtUnit(text, static_cast<int>(end), lineBreakUnits()) - selection.start;
        return true;
    }

    void writeSelection(const TextBox::Selection& selection) override {
        const std::string text = box_.text();
        int start = unitOffset(text, selection.start, lineBreakUnits());
        int end = unitOffset(text, selection.start + selection.length, lineBreakUnits());
        SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
        SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
    }

    bool onCommand(WORD code) override {
        if (code != EN_CHANGE) return false;
        if (!syncing_) box_.userEdited(withCrLf(readWindowText(hwnd_)));
        return true;
    }

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT && !syncing_) return takeTextFromOutside(wParam, lParam);
        if (message == WM_LBUTTONDBLCLK) {
            LRESULT result = ControlPeerBase::handle(message, wParam, lParam);
            box_.userDoubleClick();
            return result;
        }
        // A single-line box has no use for Enter and Esc: they would only beep.
        if (message == WM_CHAR && !box_.multiLine() && (wParam == '\r' || wParam == 27)) {
            ControlPeerBase::handle(message, wParam, lParam);
            return 0;
        }
        return ControlPeerBase::handle(message, wParam, lParam);
    }

private:
    // Another program sets the text (automation and accessibility tools do):
    // a multi-line edit reports no EN_CHANGE for it, so the model takes the
    // text from here, for every kind alike. The EN_CHANGE that a single-line
    // edit or a rich edit sends meanwhile is not the user's typing.
    LRESULT takeTextFromOutside(WPARAM wParam, LPARAM lParam) {
        syncing_ = true;
        LRESULT result = ControlPeerBase::handle(WM_SETTEXT, wParam, lParam);
        syncing_ = false;
        box_.textSetOutside(withCrLf(readWindowText(hwnd_)));
        return result;
    }
    int lineBreakUnits() const { return richEdit_ ? 1 : 2; }
    void applyMaxLength() {
        UINT limit = box_.maxLength() > 0 ? static_cast<UINT>(box_.maxLength()) : 0;
        if (box_.rich()) SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, limit ? limit : 0x7FFFFFFE);
        else SendMessageW(hwnd_, EM_LIMITTEXT, limit, 0);
    }
    TextBox& box_;
    bool richEdit_ = false;
};

}  // namespace forms::win32

std::unique_ptr<forms::TextBox::Peer> forms::makePeer(TextBox& box) { return std::make_unique<win32::TextBoxPeer>(box); }
