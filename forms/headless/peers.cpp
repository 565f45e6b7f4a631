// The headless backend: all state is the model's, so the peers only answer
// modal boxes and keep a record of them.
#include "forms/app.hpp"
#include "forms/control.hpp"
#include "forms/tray_icon.hpp"
#include "forms/headless/headless_app.hpp"
#include "forms/menu.hpp"
#include "forms/window.hpp"

namespace forms {
namespace headless {

MessageResult HeadlessAppPeer::messageBox(const MessageBoxRequest& request) {
    boxes.push_back(request);
    if (!answers.empty()) {
        MessageResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (request.buttons) {
        case MessageButtons::AbortRetryIgnore: return MessageResult::Abort;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return MessageResult::Yes;
        case MessageButtons::RetryCancel: return MessageResult::Retry;
        default: return MessageResult::Ok;
    }
}

namespace {

class NullWindowPeer : public WindowPeer {
public:
    explicit NullWindowPeer(Window& window) : window_(window) {}
    void sync(Property) override {}
    void show() override {}
    void hide() override {}
    void bringToFront() override {}
    // Pop-up menus are recorded; a test then clicks the item it wants.
    void popupMenu(MenuItem& menu) override {
        static_cast<HeadlessAppPeer&>(window_.app().peer()).popups.push_back(menu.name());
    }

private:
    Window& window_;
};

class NullControlPeer : public ControlPeer {
public:
    void sync(Property) override {}
    void focus() override {}
};

// The notification area shows an icon unless the test made it refuse.
class TrayIconPeer : public ControlPeer {
public:
    TrayIconPeer(TrayIcon& icon, HeadlessAppPeer& app) : icon_(icon), app_(app) {}
    void sync(Property what) override {
        if (what == Property::Active && icon_.active()) icon_.setShown(!app_.refuseTrayIcons);
    }
    void focus() override {}

private:
    TrayIcon& icon_;
    HeadlessAppPeer& app_;
};

}  // namespace
}  // namespace headless

std::unique_ptr<AppPeer> makeAppPeer(App&) { return std::make_unique<headless::HeadlessAppPeer>(); }
std::unique_ptr<WindowPeer> makeWindowPeer(Window& window) { return std::make_unique<headless::NullWindowPeer>(window); }
std::unique_ptr<ControlPeer> makeControlPeer(Control& control) {
    if (control.kind() == ControlKind::TrayIcon)
        return std::make_unique<headless::TrayIconPeer>(
            static_cast<TrayIcon&>(control), static_cast<headless::HeadlessAppPeer&>(control.window().app().peer()));
    return std::make_unique<headless::NullControlPeer>();
}

}  // namespace forms
