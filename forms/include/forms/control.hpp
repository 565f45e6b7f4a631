#pragma once
// The base of every control: common properties, focus and the events every
// kind raises. State lives here, whether or not a real window exists.
//
// Lifetime: a control belongs to one window for its whole life and must not
// outlive it (declare it as a member of that window). Destroyed, it leaves
// its window; its real window goes at once, or, when a handler it raised is
// still running, once that handler has returned.
//
// A kind is one class derived from Control, with its own peer interface (a
// `Peer` derived from ControlPeer) and a factory `makePeer(Kind&)` that each
// backend defines; createPeer() calls it.
#include <functional>
#include <memory>
#include <string>

#include "forms/peer.hpp"
#include "forms/types.hpp"

namespace forms {

class Window;

enum class Cursor { Default, Hand };

class Control {
public:
    Control(Window& window, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Window& window() const { return window_; }
    const std::string& name() const { return name_; }

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
    // Whether the control takes Enter itself while it has the focus, before
    // the window's default button (a button does); Esc always goes to the
    // window's cancel button.
    virtual bool takesDialogKeys() const { return false; }

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
    // Makes the real control again from the model, for a style the real
    // control takes only when it is created; the focus stays where it was.
    void recreatePeer();
    std::unique_ptr<ControlPeer> detachPeer() { return std::move(peer_); }
    // Back to the kind's defaults (at each load of the window).
    virtual void reset();

protected:
    // The kind's own peer (made by its createPeer), or null while not loaded.
    template <class KindPeer>
    KindPeer* kindPeer() const {
        return dynamic_cast<KindPeer*>(peer_.get());
    }
    virtual std::unique_ptr<ControlPeer> createPeer() = 0;
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
    Common common_;
    int creationIndex_ = 0;
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace forms
