#pragma once
// The running program: its windows, its modal boxes and its end.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/peer.hpp"
#include "forms/types.hpp"

namespace forms {

class Window;

class App {
public:
    explicit App(std::string title);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The program's own name: the title of boxes that give none.
    const std::string& title() const { return title_; }

    // A modal box; returns the button pressed.
    MessageResult messageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                             MessageIcon icon);
    MessageResult messageBox(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                             MessageIcon icon = MessageIcon::None);

    // A modal box asking for one line of text, the default selected; returns
    // the text entered, or "" when the user cancels.
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText = "");

    // The clipboard's text: "" when it holds no text or cannot be opened
    // (another program may hold it); setting returns false in that case.
    std::string clipboardText();
    bool setClipboardText(const std::string& text);

    // Runs the event loop until the program ends (headless: returns at once).
    int run();
    // Lets the windows handle what is waiting (the user's input, painting) and
    // returns: a handler that fills a long list calls it between the entries,
    // so the user can act meanwhile. Headless there is never anything waiting.
    void processPendingEvents();
    // Runs `work` off the window thread, then `done` with its result on the
    // window thread, as an event; the windows stay responsive meanwhile.
    // `work` must own everything it uses, since it may still run after the
    // program has ended, and must not throw. When the program ends first,
    // `done` never runs, and nothing waits for `work`.
    template <class Result>
    void runInBackground(std::function<Result()> work, std::function<void(Result)> done) {
        peer_->startBackgroundWork([work = std::move(work), done = std::move(done)]() -> std::function<void()> {
            auto result = std::make_shared<Result>(work());
            return [done, result] { done(std::move(*result)); };
        });
    }
    // From a backend: the window thread's part of finished background work.
    void finishBackgroundWork(const std::function<void()>& done);

    // Ends the program at once: every window goes without its unload event.
    void end();
    bool ended() const { return ended_; }

    AppPeer& peer() { return *peer_; }

    // Optional trace of every event raised, for tests of event order.
    void startTrace() {
        tracing_ = true;
        trace_.clear();
    }
    const std::vector<std::string>& trace() const { return trace_; }
    void record(const std::string& entry) {
        if (tracing_) trace_.push_back(entry);
    }

    // Event dispatch from a backend: while any dispatch runs, window peers
    // that code asked to destroy are kept until the outermost one returns.
    class Dispatch {
    public:
        explicit Dispatch(App& app);
        ~Dispatch();
        Dispatch(const Dispatch&) = delete;
        Dispatch& operator=(const Dispatch&) = delete;

    private:
        App& app_;
    };
    void retirePeer(std::unique_ptr<WindowPeer> peer);
    void retirePeer(std::unique_ptr<ControlPeer> peer);
    // Destroys a window object once the handler running now has returned (at
    // once when none runs), so that a window may end its own life from one
    // of its own handlers.
    void destroyLater(std::unique_ptr<Window> window);

    // Windows register themselves while loaded.
    void windowLoaded(Window& window);
    void windowUnloaded(Window& window);
    const std::vector<Window*>& loadedWindows() const { return loaded_; }

private:
    void flushRetired();
    void requestQuit();

    std::string title_;
    std::unique_ptr<AppPeer> peer_;
    std::vector<Window*> loaded_;
    std::vector<std::unique_ptr<WindowPeer>> retiredWindows_;
    std::vector<std::unique_ptr<ControlPeer>> retiredControls_;
    std::vector<std::unique_ptr<Window>> doomedWindows_;
    int dispatchDepth_ = 0;
    bool ended_ = false;
    bool quitPending_ = false;
    bool tracing_ = false;
    std::vector<std::string> trace_;
};

}  // namespace forms
