#pragma once
// Plain value types shared by every window and control.
#include <cstdint>
#include <string>

namespace forms {

// Colours are packed as blue * 65536 + green * 256 + red. A value with the
// top bit set names a system colour instead (index in the low byte).
using Color = std::uint32_t;
constexpr Color systemColor(int index) { return 0x80000000u | static_cast<Color>(index); }
constexpr bool isSystemColor(Color c) { return (c & 0x80000000u) != 0; }
constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}
namespace colors {
constexpr Color ButtonFace = systemColor(15);
constexpr Color Window = systemColor(5);
constexpr Color WindowText = systemColor(8);
constexpr Color ButtonText = systemColor(18);
constexpr Color GrayText = systemColor(17);
constexpr Color ButtonShadow = systemColor(16);
constexpr Color ButtonHighlight = systemColor(20);
}  // namespace colors

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font& o) const {
        return name == o.name && size == o.size && bold == o.bold && italic == o.italic &&
               underline == o.underline;
    }
    bool operator!=(const Font& o) const { return !(*this == o); }
};

// Position and size in twips (1440 per inch; 15 twips are one pixel at 96 dpi).
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

// Key codes are the virtual-key codes of Windows.
namespace keys {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
              Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38,
              Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112, F4 = 115;
}
namespace shift {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

// Who made a change: the user, the program's own code, or another program
// (an automation or accessibility tool that sets a control's text).
enum class Origin { User, Code, Outside };

// As traces write it: "user", "code", "outside".
inline std::string originName(Origin origin) {
    return origin == Origin::User ? "user" : origin == Origin::Code ? "code" : "outside";
}

struct ChangeEvent {
    Origin origin = Origin::Code;
    // Not the program's own doing: the user's, typed or set through a tool
    // acting for them (a screen reader or automation tool setting the text).
    bool byUser() const { return origin != Origin::Code; }
};

struct KeyEvent {
    int keyCode = 0;  // set to 0 in a handler to swallow the key
    int shift = 0;    // shift::Shift | shift::Ctrl | shift::Alt
};

struct KeyPressEvent {
    int keyAscii = 0;  // the character (UTF-16 unit); set to 0 to swallow it
};

enum class WindowState { Normal, Minimized, Maximized };

// Manual places a window at its bounds' left and top; WindowsDefault lets the
// system place it (a frame's new child then goes to the next cascaded place).
enum class StartPosition { Manual, CenterScreen, WindowsDefault };

enum class BorderStyle { Sizable, FixedSingle, FixedDialog };

// The reason a window is being closed.
enum class CloseReason { CloseBox, Code };

struct CloseEvent {
    CloseReason reason = CloseReason::CloseBox;
    bool cancel = false;  // set to keep the window open
};

enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxRequest {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};


// Order of texts in sorted lists: compared letter by letter without regard
// to case, as the system's lists sort.
bool lessIgnoringCase(const std::string& a, const std::string& b);

struct InputBoxRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

// Positions in a text as the user sees it: one character per Unicode
// character, and one for a CR LF line break. Positions past the end count
// as the end.
int characterCount(const std::string& text);
std::size_t byteOffset(const std::string& text, int position);
// The same position in UTF-16 units, where a line break takes lineBreakUnits
// (2 in a plain edit control, which keeps CR LF; 1 in a rich edit, which
// keeps a lone CR), and back.
int unitOffset(const std::string& text, int position, int lineBreakUnits);
int positionAtUnit(const std::string& text, int units, int lineBreakUnits);

}  // namespace forms
