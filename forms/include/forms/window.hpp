#pragma once
// A top-level window and its lifecycle:
//   not loaded -> load() -> loaded (hidden; onLoad has run) -> show() -> shown
//   shown -> hide() -> loaded (keeps its state) ; any -> unload() -> not loaded
// Loading resets every control to its kind's defaults and runs design(), so a
// window shown again after an unload starts afresh. Showing a window that is
// already shown brings it to the front.
//
// Lifetime: the window's controls and menu items leave it as they are
// destroyed (before the window itself, as its members). A window destroyed
// while loaded goes without its unload event; its real window goes at once,
// or once a handler still running in it has returned. To destroy a window
// object from one of its own handlers, hand it to App::destroyLater().
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/peer.hpp"
#include "forms/types.hpp"

namespace forms {

class App;
class Button;
class Control;
class MenuItem;
class MdiFrame;

class Window {
public:
    Window(App& app, std::string name);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    App& app() const { return app_; }
    const std::string& name() const { return name_; }

    // Lifecycle.
    void load();
    void show();
    void hide();
    void unload();
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    // Shows the window modally and returns once it is hidden or unloaded, or
    // the program ends; meanwhile the program's other windows take no input
    // (Win32: a nested message loop, the other windows disabled and enabled
    // again before it returns). Headless nothing can block: the actions a
    // test queued for this window (Driver::whileModal) run here, in order,
    // until the window closes, and a window still open after them is an
    // error naming it. Throws std::logic_error when the window is shown already.
    void showModal();
    bool modal() const { return modal_; }

    // The wait cursor over the window and its controls, while code blocks in
    // a handler (back to false at each load). BusyCursor sets it for a scope.
    bool busy() const { return busy_; }
    void setBusy(bool on);

    // Properties (reset to these defaults at each load, then design() sets its own).
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);
    // Client area in twips; the position is ignored when the window is centred.
    const Rect& bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    // Whether the size of bounds() is the window's outer size (border, caption
    // and menu bar included) instead of its client area's.
    bool outerSize() const { return outerSize_; }
    void setOuterSize(bool on) { outerSize_ = on; }
    StartPosition startPosition() const { return startPosition_; }
    void setStartPosition(StartPosition position) { startPosition_ = position; }
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle style) { borderStyle_ = style; }
    bool maxButton() const { return maxButton_; }
    void setMaxButton(bool on) { maxButton_ = on; }
    bool minButton() const { return minButton_; }
    void setMinButton(bool on) { minButton_ = on; }
    // Whether the user may close the window. When not, its close box, its
    // system menu's Close (greyed there) and Ctrl+F4 (an MDI child) do
    // nothing; code still unloads it, and so does its frame or the program
    // ending. Taken when the window loads.
    bool closable() const { return closable_; }
    void setClosable(bool on) { closable_ = on; }
    // The window that owns this one: it stays in front of its owner and has no
    // taskbar button. Taken when the window loads; null: none.
    Window* owner() const { return owner_; }
    void setOwner(Window* owner) { owner_ = owner; }
    // A window without a taskbar button of its own (for dialogs).
    bool showInTaskbar() const { return showInTaskbar_; }
    void setShowInTaskbar(bool on) { showInTaskbar_ = on; }
    // Enter anywhere presses the default button (unless another button has
    // the focus; Ctrl+Enter then still breaks a line in a multi-line box);
    // Esc presses the cancel button.
    Button* defaultButton() const { return defaultButton_; }
    void setDefaultButton(Button* button);
    Button* cancelButton() const { return cancelButton_; }
    void setCancelButton(Button* button) { cancelButton_ = button; }
    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState state);
    // The MDI frame this window lives in as a child, or null for a top-level
    // window; taken at creation (set it in design()). Loading or showing a
    // child loads or shows its frame first.
    MdiFrame* mdiParent() const { return mdiParent_; }
    void setMdiParent(MdiFrame* frame) { mdiParent_ = frame; }

    // Events.
    std::function<void()> onLoad;
    std::function<void()> onUnload;
    std::function<void(CloseEvent&)> onClose;  // close box, or unload() by code
    std::function<void()> onResize;            // also on minimise and restore

    // Focus: the control that has it in this window (or null).
    Control* focused() const { return focused_; }
    // Moves the focus to the next (or previous) control in tab order.
    void focusNext(bool backwards = false);
    // Tab order from first to last; controls not listed keep their place after them.
    void setTabOrder(const std::vector<Control*>& order);

    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(const std::string& name) const;
    const std::vector<MenuItem*>& menuItems() const { return menuItems_; }
    std::vector<MenuItem*> menuBar() const;  // top-level items, visible or not
    void popupMenu(MenuItem& menu);

    WindowPeer* peer() const { return peer_.get(); }
    // The real window while the window is loaded, for a system service to
    // take as the owner of what it shows; empty when none is (headless too).
    NativeHandle nativeHandle() const { return peer_ ? peer_->nativeHandle() : NativeHandle{}; }

    // Reports from a backend (or the headless driver) of what the user did.
    // userClose: the close box, the system menu's Close or Ctrl+F4.
    void userClose();
    void userSetWindowState(WindowState state);
    void focusArrived(Control& control);

protected:
    // Sets the design-time properties and contents of the window and its controls.
    virtual void design() {}

private:
    friend class MdiFrame;
    // An MDI frame unloads its children before itself; false when one stayed.
    virtual bool unloadChildren() { return true; }
    // Unloads without any event (a child whose frame is being destroyed).
    void discard();
    friend class Control;
    friend class MenuItem;
    void addControl(Control& control) { controls_.push_back(&control); }
    void removeControl(Control& control);
    void addMenuItem(MenuItem& item) { menuItems_.push_back(&item); }
    void removeMenuItem(MenuItem& item);
    void moveFocus(Control* to);
    void unloadFor(CloseReason reason);
    void resetProperties();
    std::vector<Control*> tabSequence() const;

    App& app_;
    std::string name_;
    std::vector<Control*> controls_;
    std::vector<MenuItem*> menuItems_;
    std::unique_ptr<WindowPeer> peer_;
    Control* focused_ = nullptr;
    bool loaded_ = false;
    bool loading_ = false;
    bool visible_ = false;
    bool unloading_ = false;
    bool querying_ = false;
    bool modal_ = false;
    bool busy_ = false;

    std::string caption_;
    Color backColor_ = colors::ButtonFace;
    Rect bounds_{0, 0, 4800, 3600};
    bool outerSize_ = false;
    StartPosition startPosition_ = StartPosition::Manual;
    BorderStyle borderStyle_ = BorderStyle::Sizable;
    bool maxButton_ = true;
    bool minButton_ = true;
    bool closable_ = true;
    bool showInTaskbar_ = true;
    Window* owner_ = nullptr;
    Button* defaultButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    WindowState windowState_ = WindowState::Normal;
    MdiFrame* mdiParent_ = nullptr;
};

// Shows the wait cursor over a window for the life of this object:
//   { BusyCursor busy(window); runSlowThing(); }
class BusyCursor {
public:
    explicit BusyCursor(Window& window) : window_(window), was_(window.busy()) { window_.setBusy(true); }
    ~BusyCursor() { window_.setBusy(was_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Window& window_;
    bool was_;
};

}  // namespace forms
