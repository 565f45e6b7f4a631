#pragma once
// What an automation driver in another process relies on in the windows this
// backend makes: the window property that carries each window's and control's
// name, how the name is spelt inside its atom, and the message a
// notification-area icon's owner gets from the shell. Shared by the backend
// and the end-to-end driver, so that the two can never disagree.
#include <windows.h>

#include <string>

namespace forms::win32 {

// The window property holding the name, as a global atom.
constexpr const wchar_t* kNameProperty = L"FormsName";

// The message the shell sends a window about mouse activity over its
// notification-area icon; wParam is the icon's id, lParam the mouse message.
constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// An input box is a dialog (#32770) of the program's process: its prompt is
// the static with id 0xFFFF (as in a message box), its text the edit with
// this id, its buttons IDOK and IDCANCEL.
constexpr int kInputBoxEditId = 1000;

// Atoms ignore letter case, and names such as "Cancel" and "CANCEL" must stay
// apart: every capital letter and every '^' is written with a '^' before it
// ("Cancel" is kept as "^Cancel"). A prefix keeps the name from matching an
// atom the system already holds in another spelling.
constexpr const wchar_t* kAtomPrefix = L"forms:";

inline std::wstring encodeAtomName(const std::wstring& name) {
    std::wstring out = kAtomPrefix;
    for (wchar_t c : name) {
        if ((c >= L'A' && c <= L'Z') || c == L'^') out += L'^';
        out += c;
    }
    return out;
}

// The name back from an atom's text (a text without the prefix is taken as it is).
inline std::wstring decodeAtomName(const std::wstring& atomText) {
    const std::wstring prefix = kAtomPrefix;
    size_t i = atomText.compare(0, prefix.size(), prefix) == 0 ? prefix.size() : 0;
    std::wstring name;
    for (; i < atomText.size(); ++i) {
        if (atomText[i] == L'^' && i + 1 < atomText.size()) {
            wchar_t next = atomText[++i];
            name += (next >= L'a' && next <= L'z') ? static_cast<wchar_t>(next - L'a' + L'A') : next;
        } else {
            name += atomText[i];
        }
    }
    return name;
}

}  // namespace forms::win32
