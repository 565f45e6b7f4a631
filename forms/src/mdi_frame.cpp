#include "forms/mdi_frame.hpp"

#include <algorithm>

#include "forms/app.hpp"

namespace forms {

namespace {

void removeFrom(std::vector<Window*>& windows, Window& window) {
    windows.erase(std::remove(windows.begin(), windows.end(), &window), windows.end());
}

}  // namespace

MdiFrame::MdiFrame(App& app, std::string name) : Window(app, std::move(name)) {}

// Children's real windows live in the frame's: they go first.
MdiFrame::~MdiFrame() {
    std::vector<Window*> children = children_;
    children_.clear();
    shown_.clear();
    for (Window* child : children) {
        child->mdiParent_ = nullptr;
        child->discard();
    }
}

void MdiFrame::childLoaded(Window& child) {
    if (std::find(children_.begin(), children_.end(), &child) == children_.end()) children_.push_back(&child);
}

void MdiFrame::childShown(Window& child) {
    removeFrom(shown_, child);
    shown_.push_back(&child);
}

void MdiFrame::childActivated(Window& child) {
    if (child.mdiParent() != this || !child.visible()) return;
    childShown(child);
}

void MdiFrame::childHidden(Window& child) { leave(child); }

void MdiFrame::childUnloaded(Window& child) {
    removeFrom(children_, child);
    leave(child);
}

// The child active before the one leaving becomes active again, also on the
// real windows (unless the frame itself is going).
void MdiFrame::leave(Window& child) {
    bool wasActive = activeChild() == &child;
    removeFrom(shown_, child);
    Window* next = activeChild();
    if (wasActive && next && next->peer() && loaded()) next->peer()->bringToFront();
}

// The children unload by code, last loaded first; one whose close handler
// cancels keeps the frame loaded too.
bool MdiFrame::unloadChildren() {
    std::vector<Window*> children = children_;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (std::find(children_.begin(), children_.end(), *it) == children_.end()) continue;
        (*it)->unload();
        if ((*it)->loaded()) return false;
    }
    return true;
}

}  // namespace forms
