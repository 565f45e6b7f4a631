// The input box: a modal dialog made from a template built in memory, so that
// no program needs a dialog resource of its own. The prompt (which may break
// lines) sits on the left, OK and Cancel on the right, the text underneath;
// the default text starts selected, OK is the default button and Esc cancels.
#include <windows.h>

#include <stdexcept>
#include <vector>

#include "app_peer.hpp"
#include "forms/win32/automation_tags.hpp"
#include "platform/win32_text.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

namespace {

constexpr int kPromptId = 0xFFFF;
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082;

// A DLGTEMPLATE and its items, laid out word by word as the system reads them.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short width, short height, WORD items) {
        addDword(style);
        addDword(0);  // extended style
        words_.push_back(items);
        for (short value : {short(0), short(0), width, height}) words_.push_back(static_cast<WORD>(value));
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        words_.push_back(0);  // no caption yet: the title is set when it opens
        words_.push_back(8);  // DS_SETFONT: point size, then the face
        addString(L"MS Shell Dlg");
    }

    void addItem(WORD windowClass, DWORD style, short x, short y, short width, short height, int id,
                 const wchar_t* text = L"") {
        if (words_.size() % 2) words_.push_back(0);  // each item starts on a DWORD boundary
        addDword(style | WS_CHILD | WS_VISIBLE);
        addDword(0);
        for (short value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
        words_.push_back(static_cast<WORD>(id));
        words_.push_back(0xFFFF);
        words_.push_back(windowClass);
        addString(text);
        words_.push_back(0);  // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void addDword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void addString(const wchar_t* text) {
        for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
        words_.push_back(0);
    }
    std::vector<WORD> words_;  // the allocation is aligned for DWORDs
};

struct InputBoxState {
    const InputBoxRequest& request;
    std::string entered;
};

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            auto* state = reinterpret_cast<InputBoxState*>(lParam);
            return guarded([&]() -> LRESULT {
                SetWindowTextW(dialog, platform::widen(state->request.title).c_str());
                SetDlgItemTextW(dialog, kPromptId, platform::widen(state->request.prompt).c_str());
                HWND edit = GetDlgItem(dialog, kInputBoxEditId);
                SetWindowTextW(edit, platform::widen(state->request.defaultText).c_str());
                SendMessageW(edit, EM_SETSEL, 0, -1);
                SetFocus(edit);
                return FALSE;  // the focus is set
            });
        }
        case WM_COMMAND: {
            auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (LOWORD(wParam) == IDOK) {
                guarded([&]() -> LRESULT {
                    state->entered = readWindowText(GetDlgItem(dialog, kInputBoxEditId));
                    return 0;
                });
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {  // also Esc and the close box
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default: return FALSE;
    }
}

}  // namespace

std::string Win32AppPeer::inputBox(const InputBoxRequest& request) {
    DialogTemplate layout(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER, 252, 82, 4);
    layout.addItem(kStaticClass, SS_LEFT | SS_NOPREFIX, 7, 7, 180, 50, kPromptId);
    layout.addItem(kEditClass, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 62, 238, 13, kInputBoxEditId);
    layout.addItem(kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, 195, 7, 50, 14, IDOK, L"OK");
    layout.addItem(kButtonClass, BS_PUSHBUTTON | WS_TABSTOP, 195, 25, 50, 14, IDCANCEL, L"Cancel");
    InputBoxState state{request, {}};
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), ownWindowForBox(), &inputBoxProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (result == -1) throw std::runtime_error(creationError("input box", GetLastError()));
    return result == IDOK ? state.entered : std::string();
}

}  // namespace forms::win32
