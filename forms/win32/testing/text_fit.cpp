// Measuring the texts of real controls: see text_fit.hpp.
#include "forms/win32/text_fit.hpp"

#include <windows.h>

#include <algorithm>

#include "forms/win32/automation_tags.hpp"
#include "platform/win32_text.hpp"

namespace forms::win32 {

namespace {

// Room a caption needs on either side inside a push button: its edges and
// its focus rectangle, and a little air.
constexpr int kButtonMargin = 8;

BOOL CALLBACK addChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, addChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring textOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring classOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

std::string nameOf(HWND control) {
    auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(control, kNameProperty)));
    wchar_t text[256] = {};
    if (!atom || !GlobalGetAtomNameW(atom, text, 256)) return "(unnamed)";
    return platform::narrow(decodeAtomName(text));
}

// A static that draws its text (not an icon, a frame or an owner-drawn one).
bool isTextLabel(HWND control) {
    if (_wcsicmp(classOf(control).c_str(), L"Static") != 0) return false;
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP;
}

bool isPushButton(HWND control) {
    if (_wcsicmp(classOf(control).c_str(), L"Button") != 0) return false;
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

UINT drawFormat(HWND label) {
    const LONG style = GetWindowLongW(label, GWL_STYLE);
    UINT format = DT_EXPANDTABS;
    if ((style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    return format;
}

// The room `text` needs in the control's font, broken at `width` when the
// format breaks words.
SIZE extentOf(HWND control, const std::wstring& text, UINT format, int width) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT room{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &room, format | DT_CALCRECT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    // An empty text still takes one line.
    return {room.right, std::max<LONG>(room.bottom, metrics.tmHeight)};
}

std::string describe(HWND control, SIZE needed, const RECT& has) {
    return nameOf(GetAncestor(control, GA_ROOT)) + "." + nameOf(control) + " \"" + platform::narrow(textOf(control)) +
           "\" needs " + std::to_string(needed.cx) + "x" + std::to_string(needed.cy) + " pixels, has " +
           std::to_string(has.right) + "x" + std::to_string(has.bottom);
}

}  // namespace

std::vector<std::string> textsCutShort(const Window& window, const std::vector<std::string>& cutOnPurpose) {
    std::vector<std::string> cut;
    for (HWND control : childrenOf(reinterpret_cast<HWND>(window.nativeHandle().value))) {
        if (!IsWindowVisible(control) || textOf(control).empty()) continue;
        RECT has{};
        GetClientRect(control, &has);
        if (isTextLabel(control)) {
            if (std::find(cutOnPurpose.begin(), cutOnPurpose.end(), nameOf(control)) != cutOnPurpose.end()) continue;
            SIZE needed = extentOf(control, textOf(control), drawFormat(control), has.right);
            if (needed.cx > has.right || needed.cy > has.bottom) cut.push_back(describe(control, needed, has));
        } else if (isPushButton(control)) {
            SIZE needed = extentOf(control, textOf(control), DT_SINGLELINE, 0);
            needed.cx += 2 * kButtonMargin;
            if (needed.cx > has.right || needed.cy > has.bottom) cut.push_back(describe(control, needed, has));
        }
    }
    return cut;
}

std::vector<std::string> linesShown(const Window& window, const std::string& name) {
    for (HWND control : childrenOf(reinterpret_cast<HWND>(window.nativeHandle().value))) {
        if (!isTextLabel(control) || nameOf(control) != name) continue;
        RECT has{};
        GetClientRect(control, &has);
        const UINT format = drawFormat(control);
        const LONG lineHeight = extentOf(control, L"", format, has.right).cy;
        // Words go on the current line while the line still fits in one line's height.
        std::vector<std::string> lines;
        std::wstring line;
        const std::wstring text = textOf(control);
        size_t start = 0;
        while (start < text.size() && static_cast<LONG>(lines.size() + 1) * lineHeight <= has.bottom) {
            size_t end = text.find(L' ', start);
            end = end == std::wstring::npos ? text.size() : end;
            std::wstring longer =
                line.empty() ? text.substr(start, end - start) : line + L' ' + text.substr(start, end - start);
            if (!line.empty() && extentOf(control, longer, format, has.right).cy > lineHeight) {
                lines.push_back(platform::narrow(line));
                line.clear();
                continue;  // the same word starts the next line
            }
            line = longer;
            start = end + 1;
        }
        if (!line.empty() && static_cast<LONG>(lines.size() + 1) * lineHeight <= has.bottom)
            lines.push_back(platform::narrow(line));
        return lines;
    }
    return {};
}

}  // namespace forms::win32
