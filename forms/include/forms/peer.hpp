#pragma once
// The backend side of every object. A backend mirrors the model's state into
// real windows (or nothing, headless) and reports the user's actions back to
// the model. Exactly one backend is linked into a program: it defines the
// program and window factories below, and the one factory each control kind
// declares next to its own peer interface (`makePeer(Label&)` and so on).
#include <functional>
#include <memory>
#include <string>

#include "forms/native_handle.hpp"
#include "forms/types.hpp"

namespace forms {

class App;
class Window;
class MenuItem;

// A property every control has, which a peer should read again from its
// model. What only one kind has (a caption, items, a value) is that kind's
// own `Aspect`, told to that kind's own peer interface.
enum class Property { Visible, Enabled, BackColor, ForeColor, Font, Bounds, TabStop, ToolTip, Cursor };

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void sync(Property what) = 0;
    virtual void focus() = 0;
    // The model object is being destroyed while a handler it raised may still
    // run inside this peer: from now on the peer must not touch the model. It
    // is destroyed itself once that handler has returned.
    virtual void orphan() {}
};

// What a peer of a window reads again from its model.
enum class WindowProperty { Caption, BackColor, Bounds, WindowState, Menu, DefaultButton, Busy };

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual void sync(WindowProperty what) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void bringToFront() = 0;
    // Shows a menu's sub-items as a pop-up menu at the mouse position.
    virtual void popupMenu(MenuItem& menu) = 0;
    // Called with the window just shown modally: returns once it is hidden
    // (also by its unload, which hides a retired peer) or the program ends.
    virtual void runModal() = 0;
    // As ControlPeer::orphan, for a window object being destroyed.
    virtual void orphan() {}
    // The real window, for services that want an owner; none headless.
    virtual NativeHandle nativeHandle() const { return {}; }
};

class AppPeer {
public:
    virtual ~AppPeer() = default;
    virtual MessageResult messageBox(const MessageBoxRequest& request) = 0;
    // The text entered, or "" when the user cancelled.
    virtual std::string inputBox(const InputBoxRequest& request) = 0;
    // The clipboard's text ("" when it holds none or cannot be opened), and
    // setting it (false when the clipboard cannot be opened).
    virtual std::string clipboardText() = 0;
    virtual bool setClipboardText(const std::string& text) = 0;
    // Runs the event loop until the program ends; returns the exit code.
    virtual int run() = 0;
    // Asks the event loop to stop.
    virtual void quit() = 0;
    // Handles what is waiting (the user's input, painting) and returns.
    virtual void processPendingEvents() {}
    // Runs `work` on a thread of its own, then hands what it answers to
    // App::finishBackgroundWork on the window thread.
    virtual void startBackgroundWork(std::function<std::function<void()>()> work) = 0;
};

std::unique_ptr<AppPeer> makeAppPeer(App& app);
std::unique_ptr<WindowPeer> makeWindowPeer(Window& window);

}  // namespace forms
