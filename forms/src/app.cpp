#include "forms/app.hpp"

#include <algorithm>

#include "forms/window.hpp"

namespace forms {

App::App(std::string title) : title_(std::move(title)), peer_(makeAppPeer(*this)) {}

App::~App() {
    // Windows outlive nothing: drop their real windows before the backend goes.
    ended_ = true;
    ++dispatchDepth_;
    flushRetired();
}

MessageResult App::messageBox(const std::string& text, const std::string& title,
                              MessageButtons buttons, MessageIcon icon) {
    MessageBoxRequest request{text, title, buttons, icon};
    record("MsgBox(" + title + ")");
    return peer_->messageBox(request);
}

MessageResult App::messageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
    return messageBox(text, title_, buttons, icon);
}

std::string App::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    record("InputBox(" + title + ")");
    return peer_->inputBox(InputBoxRequest{prompt, title, defaultText});
}

std::string App::clipboardText() { return peer_->clipboardText(); }

bool App::setClipboardText(const std::string& text) { return peer_->setClipboardText(text); }

int App::run() {
    if (ended_ || loaded_.empty()) return 0;
    return peer_->run();
}

void App::processPendingEvents() {
    if (!ended_) peer_->processPendingEvents();
}

void App::finishBackgroundWork(const std::function<void()>& done) {
    if (ended_) return;
    Dispatch dispatch(*this);
    done();
}

void App::end() {
    if (ended_) return;
    ended_ = true;
    record("App.end");
    // Every window goes at once, without its unload event.
    std::vector<Window*> windows = loaded_;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->unload();
    requestQuit();
}

App::Dispatch::Dispatch(App& app) : app_(app) { ++app_.dispatchDepth_; }

App::Dispatch::~Dispatch() {
    if (app_.dispatchDepth_ > 1) {
        --app_.dispatchDepth_;
        return;
    }
    // The outermost dispatch is over: drop the retired peers (still counted as
    // a dispatch, since destroying real windows sends messages that dispatch
    // again), then stop the event loop if the program has ended meanwhile.
    app_.flushRetired();
    --app_.dispatchDepth_;
    if (app_.quitPending_) {
        app_.quitPending_ = false;
        app_.peer_->quit();
    }
}

// The event loop stops once the handler running now has returned, so that a
// box it shows after the last window went still works.
void App::requestQuit() {
    if (dispatchDepth_ > 0) quitPending_ = true;
    else peer_->quit();
}

// A retired peer is cut off from its model at once (the model may go before
// the peer does), and destroyed at once or after the running handler.
void App::retirePeer(std::unique_ptr<WindowPeer> peer) {
    if (!peer) return;
    peer->orphan();
    if (dispatchDepth_ > 0) {
        // A handler of this very window may still be running in the backend.
        peer->hide();
        retiredWindows_.push_back(std::move(peer));
    }
}

void App::retirePeer(std::unique_ptr<ControlPeer> peer) {
    if (!peer) return;
    peer->orphan();
    if (dispatchDepth_ > 0) retiredControls_.push_back(std::move(peer));
}

void App::destroyLater(std::unique_ptr<Window> window) {
    if (!window) return;
    if (dispatchDepth_ > 0) doomedWindows_.push_back(std::move(window));
    else window.reset();
}

void App::flushRetired() {
    // Moved out first: destroying them may dispatch messages that come back
    // here, and a doomed window retires peers of its own as it goes.
    while (!doomedWindows_.empty() || !retiredControls_.empty() || !retiredWindows_.empty()) {
        auto controls = std::move(retiredControls_);
        auto windows = std::move(retiredWindows_);
        retiredControls_.clear();
        retiredWindows_.clear();
        // Controls first: their real windows are children of the windows.
        controls.clear();
        windows.clear();
        auto doomed = std::move(doomedWindows_);
        doomedWindows_.clear();
        doomed.clear();
    }
}

void App::windowLoaded(Window& window) {
    if (std::find(loaded_.begin(), loaded_.end(), &window) == loaded_.end()) loaded_.push_back(&window);
}

void App::windowUnloaded(Window& window) {
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &window), loaded_.end());
    // The program ends when its last window unloads.
    if (loaded_.empty() && !ended_) {
        ended_ = true;
        record("App.end");
        requestQuit();
    }
}

}  // namespace forms
