// The headless backend: all state is the model's, so the peers only answer
// modal boxes, keep a record of them and stand in for the real controls.
#include <stdexcept>

#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/check_box.hpp"
#include "forms/combo_box.hpp"
#include "forms/headless/headless_app.hpp"
#include "forms/label.hpp"
#include "forms/line.hpp"
#include "forms/list_box.hpp"
#include "forms/list_view.hpp"
#include "forms/menu.hpp"
#include "forms/picture.hpp"
#include "forms/scroll_bar.hpp"
#include "forms/status_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/tray_icon.hpp"
#include "forms/window.hpp"
#include "forms/frame.hpp"

namespace forms {
namespace headless {

// A box that no test expected fails that test, naming the box.
MessageResult HeadlessAppPeer::messageBox(const MessageBoxRequest& request) {
    boxes.push_back(request);
    if (answers.empty())
        throw std::logic_error("unexpected message box \"" + request.text + "\" titled \"" + request.title + "\"");
    MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string HeadlessAppPeer::inputBox(const InputBoxRequest& request) {
    inputBoxes.push_back(request);
    if (inputAnswers.empty())
        throw std::logic_error("unexpected input box \"" + request.prompt + "\" titled \"" + request.title + "\"");
    std::optional<std::string> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer.value_or(std::string());
}

bool HeadlessAppPeer::setClipboardText(const std::string& text) {
    if (refuseClipboard) return false;
    clipboard = text;
    return true;
}

void HeadlessAppPeer::processPendingEvents() {
    if (pendingEventActions.empty()) return;
    std::function<void()> action = std::move(pendingEventActions.front());
    pendingEventActions.pop_front();
    action();
}

namespace {

class NullWindowPeer : public WindowPeer {
public:
    explicit NullWindowPeer(Window& window) : window_(window) {}
    void sync(WindowProperty what) override {
        if (what == WindowProperty::Busy && window_.busy()) app().busyWindows.push_back(window_.name());
    }
    void orphan() override { orphaned_ = true; }
    // Nothing blocks headless: the actions queued for this window run now, in
    // order, until one of them closes it.
    void runModal() override {
        auto& queue = app().modalActions;
        while (!orphaned_ && window_.visible() && !window_.app().ended()) {
            auto next = queue.begin();
            while (next != queue.end() && next->first != &window_) ++next;
            if (next == queue.end())
                throw std::logic_error("modal window \"" + window_.name() + "\" stays open: no action queued closes it");
            std::function<void()> action = std::move(next->second);
            queue.erase(next);
            action();
        }
    }
    void show() override {}
    void hide() override {}
    void bringToFront() override {}
    // Pop-up menus are recorded; a test then clicks the item it wants.
    void popupMenu(MenuItem& menu) override {
        static_cast<HeadlessAppPeer&>(window_.app().peer()).popups.push_back(menu.name());
    }

private:
    HeadlessAppPeer& app() { return static_cast<HeadlessAppPeer&>(window_.app().peer()); }
    Window& window_;
    bool orphaned_ = false;
};

// Every kind's peer: nothing to mirror.
template <class Kind>
class NullPeer : public Kind::Peer {
public:
    void sync(Property) override {}
    void focus() override {}
    void update(typename Kind::Aspect) override {}
};

template <class Kind>
class NullItemsPeer : public NullPeer<Kind> {
public:
    void itemInserted(int) override {}
    void itemRemoved(int) override {}
    void itemsCleared() override {}
};

// The notification area shows an icon unless the test made it refuse.
class TrayIconPeer : public NullPeer<TrayIcon> {
public:
    TrayIconPeer(TrayIcon& icon, HeadlessAppPeer& app) : icon_(icon), app_(app) {}
    void update(TrayIcon::Aspect what) override {
        if (what == TrayIcon::Aspect::Active && icon_.active()) icon_.setShown(!app_.refuseTrayIcons);
    }
    bool showBalloon(const Balloon& balloon) override {
        app_.balloons.push_back(balloon);
        return true;
    }

private:
    TrayIcon& icon_;
    HeadlessAppPeer& app_;
};

}  // namespace
}  // namespace headless

std::unique_ptr<AppPeer> makeAppPeer(App&) { return std::make_unique<headless::HeadlessAppPeer>(); }
std::unique_ptr<WindowPeer> makeWindowPeer(Window& window) { return std::make_unique<headless::NullWindowPeer>(window); }

std::unique_ptr<Label::Peer> makePeer(Label&) { return std::make_unique<headless::NullPeer<Label>>(); }
std::unique_ptr<TextBox::Peer> makePeer(TextBox&) { return std::make_unique<headless::NullPeer<TextBox>>(); }
std::unique_ptr<Button::Peer> makePeer(Button&) { return std::make_unique<headless::NullPeer<Button>>(); }
std::unique_ptr<CheckBox::Peer> makePeer(CheckBox&) { return std::make_unique<headless::NullPeer<CheckBox>>(); }
std::unique_ptr<ScrollBar::Peer> makePeer(ScrollBar&) { return std::make_unique<headless::NullPeer<ScrollBar>>(); }
std::unique_ptr<Picture::Peer> makePeer(Picture&) { return std::make_unique<headless::NullPeer<Picture>>(); }
std::unique_ptr<Line::Peer> makePeer(Line&) { return std::make_unique<headless::NullPeer<Line>>(); }
std::unique_ptr<StatusBar::Peer> makePeer(StatusBar&) { return std::make_unique<headless::NullPeer<StatusBar>>(); }
std::unique_ptr<ListBox::Peer> makePeer(ListBox&) { return std::make_unique<headless::NullItemsPeer<ListBox>>(); }
std::unique_ptr<ComboBox::Peer> makePeer(ComboBox&) { return std::make_unique<headless::NullItemsPeer<ComboBox>>(); }
std::unique_ptr<ListView::Peer> makePeer(ListView&) { return std::make_unique<headless::NullItemsPeer<ListView>>(); }
std::unique_ptr<Frame::Peer> makePeer(Frame&) { return std::make_unique<headless::NullPeer<Frame>>(); }
std::unique_ptr<TrayIcon::Peer> makePeer(TrayIcon& icon) {
    return std::make_unique<headless::TrayIconPeer>(icon, static_cast<headless::HeadlessAppPeer&>(icon.window().app().peer()));
}

}  // namespace forms
