#pragma once
// Menu items of a window's menu bar. A top-level item that is not visible is
// left out of the bar and can still be shown as a pop-up menu.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class Window;

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
    int index_ = 0;
};

}  // namespace forms
