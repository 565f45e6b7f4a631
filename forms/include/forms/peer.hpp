#pragma once
// The backend side of every object. A backend mirrors the model's state into
// real windows (or nothing, headless) and reports the user's actions back to
// the model. Exactly one backend is linked into a program; it defines the
// three factories at the bottom.
#include <memory>

#include "forms/types.hpp"

namespace forms {

class App;
class Window;
class Control;
class MenuItem;

// The property a peer should read again from its model object.
enum class Property {
    Text, Items, ListIndex, Visible, Enabled, BackColor, ForeColor, Font, Bounds, TabStop,
    ReadOnly, MaxLength, Menu, WindowState, Caption, ToolTip, Cursor, Value, Range, Image, Active
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void sync(Property what) = 0;
    virtual void focus() = 0;
    // Lists: single-item updates, so that long lists stay fast.
    virtual void itemInserted(int /*index*/) {}
    virtual void itemRemoved(int /*index*/) {}
    virtual void itemsCleared() {}
};

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual void sync(Property what) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void bringToFront() = 0;
    // Shows a menu's sub-items as a pop-up menu at the mouse position.
    virtual void popupMenu(MenuItem& menu) = 0;
};

class AppPeer {
public:
    virtual ~AppPeer() = default;
    virtual MessageResult messageBox(const MessageBoxRequest& request) = 0;
    // Runs the event loop until the program ends; returns the exit code.
    virtual int run() = 0;
    // Asks the event loop to stop.
    virtual void quit() = 0;
};

std::unique_ptr<AppPeer> makeAppPeer(App& app);
std::unique_ptr<WindowPeer> makeWindowPeer(Window& window);
std::unique_ptr<ControlPeer> makeControlPeer(Control& control);

}  // namespace forms
