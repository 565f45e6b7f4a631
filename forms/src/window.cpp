#include "forms/window.hpp"

#include <algorithm>
#include <stdexcept>

#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/control.hpp"
#include "forms/mdi_frame.hpp"
#include "forms/menu.hpp"

namespace forms {

Window::Window(App& app, std::string name) : app_(app), name_(std::move(name)) {}

// The controls, members of the derived window, have left already.
Window::~Window() {
    app_.retirePeer(std::move(peer_));
    if (loaded_) {
        loaded_ = false;
        if (mdiParent_) mdiParent_->childUnloaded(*this);
        app_.windowUnloaded(*this);
    }
}

void Window::removeControl(Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    if (focused_ == &control) focused_ = nullptr;
    if (static_cast<Control*>(defaultButton_) == &control) defaultButton_ = nullptr;
    if (static_cast<Control*>(cancelButton_) == &control) cancelButton_ = nullptr;
}

void Window::removeMenuItem(MenuItem& item) {
    menuItems_.erase(std::remove(menuItems_.begin(), menuItems_.end(), &item), menuItems_.end());
}

void Window::setDefaultButton(Button* button) {
    if (button == defaultButton_) return;
    defaultButton_ = button;
    if (peer_) peer_->sync(WindowProperty::DefaultButton);
}

void Window::resetProperties() {
    caption_.clear();
    backColor_ = colors::ButtonFace;
    bounds_ = Rect{0, 0, 4800, 3600};
    outerSize_ = false;
    startPosition_ = StartPosition::Manual;
    borderStyle_ = BorderStyle::Sizable;
    maxButton_ = minButton_ = true;
    closable_ = true;
    showInTaskbar_ = true;
    defaultButton_ = cancelButton_ = nullptr;
    windowState_ = WindowState::Normal;
    mdiParent_ = nullptr;
    busy_ = false;
    focused_ = nullptr;
    for (size_t i = 0; i < controls_.size(); ++i) {
        controls_[i]->reset();
        controls_[i]->common_.tabIndex = static_cast<int>(i);
    }
    for (MenuItem* item : menuItems_) {
        item->setVisible(true);
        item->setEnabled(true);
    }
}

void Window::load() {
    if (loaded_ || loading_ || app_.ended()) return;
    loading_ = true;
    resetProperties();
    design();
    if (mdiParent_ && !mdiParent_->loaded()) {
        // A child's real window lives in its frame's. (The frame's load handler
        // cannot show this child yet: it is still loading.)
        try {
            mdiParent_->load();
        } catch (...) {
            loading_ = false;
            throw;
        }
        if (!mdiParent_->loaded()) {
            loading_ = false;
            return;
        }
    }
    try {
        peer_ = makeWindowPeer(*this);
        for (Control* control : controls_) control->attachPeer();
    } catch (...) {
        // A real window that cannot be made leaves the window unloaded.
        for (Control* control : controls_) app_.retirePeer(control->detachPeer());
        app_.retirePeer(std::move(peer_));
        loading_ = false;
        throw;
    }
    loaded_ = true;
    app_.windowLoaded(*this);
    if (mdiParent_) mdiParent_->childLoaded(*this);
    app_.record(name_ + ".Load");
    if (onLoad) onLoad();
    loading_ = false;
}

void Window::show() {
    if (app_.ended()) return;
    if (!loaded_) load();
    if (!loaded_) return;  // the load handler unloaded it again
    if (mdiParent_ && !mdiParent_->visible()) {
        mdiParent_->show();
        if (!loaded_) return;
    }
    if (visible_) {
        if (mdiParent_) mdiParent_->childShown(*this);
        if (peer_) peer_->bringToFront();
        return;
    }
    visible_ = true;
    if (mdiParent_) mdiParent_->childShown(*this);
    if (peer_) peer_->show();
    // A window shown with no control focused gives the focus to the first in tab order.
    if (!focused_) focusNext();
}

void Window::showModal() {
    if (app_.ended()) return;
    if (visible_) throw std::logic_error("window \"" + name_ + "\" is shown already and cannot be shown modally");
    // Counted as a dispatch while it runs, so that the window's peers (and the
    // window itself, handed to destroyLater) stay until the modal loop is over.
    App::Dispatch dispatch(app_);
    show();
    if (!visible_ || !peer_) return;
    app_.record(name_ + ".ShowModal");
    modal_ = true;
    WindowPeer* peer = peer_.get();  // retired, not destroyed, if the window unloads meanwhile
    try {
        peer->runModal();
    } catch (...) {
        modal_ = false;
        throw;
    }
    modal_ = false;
}

void Window::setBusy(bool on) {
    if (on == busy_) return;
    busy_ = on;
    if (peer_) peer_->sync(WindowProperty::Busy);
}

void Window::hide() {
    if (!loaded_ || !visible_) return;
    visible_ = false;
    if (peer_) peer_->hide();
    if (mdiParent_) mdiParent_->childHidden(*this);
}

void Window::unload() { unloadFor(CloseReason::Code); }

// A window the user may not close raises nothing: no close was offered.
void Window::userClose() {
    if (closable_) unloadFor(CloseReason::CloseBox);
}

// Asks onClose (which may cancel, or unload the window itself), raises
// onUnload, then drops the real windows. When the program is ending, the
// window goes without events.
void Window::unloadFor(CloseReason reason) {
    if (!loaded_ || unloading_) return;
    if (!app_.ended() && !querying_) {
        CloseEvent closing{reason, false};
        app_.record(name_ + (reason == CloseReason::CloseBox ? ".Close" : ".QueryUnload"));
        querying_ = true;
        if (onClose) onClose(closing);
        querying_ = false;
        if (closing.cancel || !loaded_) return;
    }
    if (!unloadChildren() || !loaded_) return;
    unloading_ = true;
    if (!app_.ended()) {
        app_.record(name_ + ".Unload");
        if (onUnload) onUnload();
    }
    loaded_ = false;
    visible_ = false;
    focused_ = nullptr;
    for (Control* control : controls_) app_.retirePeer(control->detachPeer());
    app_.retirePeer(std::move(peer_));
    unloading_ = false;
    if (mdiParent_) mdiParent_->childUnloaded(*this);
    app_.windowUnloaded(*this);
}

void Window::discard() {
    if (!loaded_) return;
    loaded_ = false;
    visible_ = false;
    focused_ = nullptr;
    for (Control* control : controls_) app_.retirePeer(control->detachPeer());
    app_.retirePeer(std::move(peer_));
    app_.windowUnloaded(*this);
}

void Window::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (peer_) peer_->sync(WindowProperty::Caption);
}

void Window::setBackColor(Color color) {
    if (color == backColor_) return;
    backColor_ = color;
    if (peer_) peer_->sync(WindowProperty::BackColor);
}

void Window::setBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    if (peer_) peer_->sync(WindowProperty::Bounds);
}

void Window::setWindowState(WindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    if (peer_) peer_->sync(WindowProperty::WindowState);
    app_.record(name_ + ".Resize");
    if (onResize) onResize();
}

void Window::userSetWindowState(WindowState state) {
    if (state == windowState_ || !loaded_) return;
    windowState_ = state;
    app_.record(name_ + ".Resize");
    if (onResize) onResize();
}

Control* Window::findControl(const std::string& name) const {
    for (Control* control : controls_)
        if (control->name() == name) return control;
    return nullptr;
}

std::vector<MenuItem*> Window::menuBar() const {
    std::vector<MenuItem*> top;
    for (MenuItem* item : menuItems_)
        if (!item->parent()) top.push_back(item);
    return top;
}

void Window::popupMenu(MenuItem& menu) {
    app_.record(name_ + ".PopupMenu(" + menu.name() + ")");
    if (peer_) peer_->popupMenu(menu);
}

void Window::setTabOrder(const std::vector<Control*>& order) {
    int index = 0;
    for (Control* control : order) control->common_.tabIndex = index++;
    for (Control* control : controls_)
        if (std::find(order.begin(), order.end(), control) == order.end())
            control->common_.tabIndex = index++;
}

std::vector<Control*> Window::tabSequence() const {
    std::vector<Control*> sequence;
    for (Control* control : controls_)
        if (control->focusable() && control->tabStop() && control->visible() && control->enabled())
            sequence.push_back(control);
    std::stable_sort(sequence.begin(), sequence.end(),
                     [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    return sequence;
}

void Window::focusNext(bool backwards) {
    std::vector<Control*> sequence = tabSequence();
    if (sequence.empty()) return;
    auto at = std::find(sequence.begin(), sequence.end(), focused_);
    size_t count = sequence.size();
    size_t next;
    if (at == sequence.end()) {
        next = backwards ? count - 1 : 0;
    } else {
        size_t here = static_cast<size_t>(at - sequence.begin());
        next = backwards ? (here + count - 1) % count : (here + 1) % count;
    }
    sequence[next]->setFocus();
}

void Window::focusArrived(Control& control) {
    if (&control == focused_ || !loaded_) return;
    moveFocus(&control);
}

// Records the new focus, then raises LostFocus of the old control and
// GotFocus of the new one, as long as the window stays loaded.
void Window::moveFocus(Control* to) {
    Control* from = focused_;
    focused_ = to;
    // A control made after its window was loaded has no real control yet; it
    // gets one now, or the real focus would stay where it was.
    if (to && !to->peer() && peer_) to->attachPeer();
    if (to && to->peer()) to->peer()->focus();
    if (from && !from->raise(from->onLostFocus, "LostFocus")) return;
    if (focused_ == to && to) to->raise(to->onGotFocus, "GotFocus");
}

}  // namespace forms
