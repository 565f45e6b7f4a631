#pragma once
// The base of every control: common properties, focus and the events every
// kind raises. State lives here, whether or not a real window exists.
#include <functional>
#include <memory>
#include <string>

#include "forms/peer.hpp"
#include "forms/types.hpp"

namespace forms {

class Window;

enum class ControlKind { Label, TextBox, ComboBox, Button, StatusBar, ListBox, CheckBox, ScrollBar, Picture, TrayIcon };

enum class Cursor { Default, Hand };

class Control {
public:
    Control(Window& window, std::string name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Window& window() const { return window_; }
    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }

    const Rect& bounds() const { return common_.bounds; }
    void setBounds(const Rect& bounds);
    bool visible() const { return common_.visible; }
    void setVisible(bool visible);
    bool enabled() const { return common_.enabled; }
    void setEnabled(bool enabled);
    Color backColor() const { return common_.backColor; }
    void setBackColor(Color color);
    Color foreColor() const { return common_.foreColor; }
    void setForeColor(Color color);
    const Font& font() const { return common_.font; }
    void setFont(const Font& font);
    bool tabStop() const { return common_.tabStop; }
    void setTabStop(bool on);
    int tabIndex() const { return common_.tabIndex; }
    const std::string& toolTip() const { return common_.toolTip; }
    void setToolTip(const std::string& text);
    Cursor cursor() const { return common_.cursor; }
    void setCursor(Cursor cursor);

    // The text every kind has: a caption, a box's contents, a list's current text.
    virtual std::string text() const { return {}; }

    // Moves the focus here (ignored while the window is not loaded or the
    // control cannot take it). Raises onLostFocus of the old, onGotFocus here.
    void setFocus();
    bool hasFocus() const;
    // Whether the control can hold the focus at all (labels cannot).
    virtual bool focusable() const { return true; }

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(KeyEvent&)> onKeyDown;
    std::function<void(KeyEvent&)> onKeyUp;
    std::function<void(KeyPressEvent&)> onKeyPress;

    // Reports from a backend of the user's actions; each returns false when
    // the key was swallowed (by a handler or by focus navigation).
    bool userKeyDown(int keyCode, int shiftState);
    bool userKeyPress(int keyAscii);
    void userKeyUp(int keyCode, int shiftState);
    void userClick();
    void userDoubleClick();

    ControlPeer* peer() const { return peer_.get(); }
    // Backend use: creates or drops the peer when the window loads or unloads.
    void attachPeer();
    std::unique_ptr<ControlPeer> detachPeer() { return std::move(peer_); }
    // Back to the kind's defaults (at each load of the window).
    virtual void reset();

protected:
    void sync(Property what) {
        if (peer_) peer_->sync(what);
    }
    void record(const std::string& event) const;
    // Raises an event with no data, if set; true while the window is still loaded.
    bool raise(const std::function<void()>& handler, const char* event);

private:
    friend class Window;
    struct Common {
        Rect bounds;
        bool visible = true;
        bool enabled = true;
        Color backColor = colors::Window;
        Color foreColor = colors::WindowText;
        Font font;
        bool tabStop = true;
        int tabIndex = 0;
        std::string toolTip;
        Cursor cursor = Cursor::Default;
    };
    Window& window_;
    std::string name_;
    ControlKind kind_;
    Common common_;
    int creationIndex_ = 0;
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace forms
