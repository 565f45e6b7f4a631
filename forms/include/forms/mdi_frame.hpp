#pragma once
// An MDI frame: a top-level window whose client area holds child windows.
// A child names its frame with Window::setMdiParent() in its design(); it
// follows the lifecycle of any window (showing an open child brings it to
// the front), lives inside the frame, and unloads with it. The frame's menu
// bar, and its shortcuts, serve the children too.
//
// The active child is the shown child last shown, brought to the front or
// activated by the user; when it is hidden or unloaded the one active before
// it becomes active again.
#include <string>
#include <vector>

#include "forms/window.hpp"

namespace forms {

class MdiFrame : public Window {
public:
    MdiFrame(App& app, std::string name);
    // Children still loaded go with their frame, without their unload events.
    ~MdiFrame() override;

    Window* activeChild() const { return shown_.empty() ? nullptr : shown_.back(); }
    // The children loaded now, in the order they were loaded.
    const std::vector<Window*>& children() const { return children_; }

    // Report from a backend: the user activated a child.
    void childActivated(Window& child);

private:
    friend class Window;
    void childLoaded(Window& child);
    void childShown(Window& child);
    void childHidden(Window& child);
    void childUnloaded(Window& child);
    bool unloadChildren() override;
    void leave(Window& child);

    std::vector<Window*> children_;
    std::vector<Window*> shown_;  // the active child last
};

}  // namespace forms
