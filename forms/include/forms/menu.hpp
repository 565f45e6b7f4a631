#pragma once
// Menu items of a window's menu bar. A top-level item that is not visible is
// left out of the bar and can still be shown as a pop-up menu.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class Window;

// A key with its shift state (shift::Ctrl and so on) that picks a menu item
// from anywhere in its window, or in an MDI frame's children.
struct Shortcut {
    int shift = 0;
    int key = 0;  // virtual-key code; 0 for none
    bool operator==(const Shortcut& o) const { return shift == o.shift && key == o.key; }
    bool operator!=(const Shortcut& o) const { return !(*this == o); }
};

// As a menu shows it after the caption: "Ctrl+O", "Shift+F1".
std::string shortcutText(const Shortcut& shortcut);

class MenuItem {
public:
    MenuItem(Window& window, std::string name, std::string caption, MenuItem* parent = nullptr);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    const Shortcut& shortcut() const { return shortcut_; }
    void setShortcut(const Shortcut& shortcut);
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }
    Window& window() const { return window_; }
    // Position among all menu items of the window, in creation order.
    int index() const { return index_; }

    // Raised when the user picks the item (or code calls click()).
    std::function<void()> onClick;
    void click();

private:
    Window& window_;
    std::string name_;
    std::string caption_;
    MenuItem* parent_;
    std::vector<MenuItem*> children_;
    bool visible_ = true;
    bool enabled_ = true;
    Shortcut shortcut_;
    int index_ = 0;
};

// The item a shortcut pressed in a window picks: one of the window's own
// items, or its MDI frame's; null when none, or when the item or a menu
// above it is disabled.
MenuItem* findShortcut(const Window& window, const Shortcut& shortcut);

}  // namespace forms
