// The headless backend: all state is the model's, so the peers only answer
// modal boxes and keep a record of them.
#include "forms/control.hpp"
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
    void sync(Property) override {}
    void show() override {}
    void hide() override {}
    void bringToFront() override {}
    void popupMenu(MenuItem&) override {}
};

class NullControlPeer : public ControlPeer {
public:
    void sync(Property) override {}
    void focus() override {}
};

}  // namespace
}  // namespace headless

std::unique_ptr<AppPeer> makeAppPeer(App&) { return std::make_unique<headless::HeadlessAppPeer>(); }
std::unique_ptr<WindowPeer> makeWindowPeer(Window&) { return std::make_unique<headless::NullWindowPeer>(); }
std::unique_ptr<ControlPeer> makeControlPeer(Control&) { return std::make_unique<headless::NullControlPeer>(); }

}  // namespace forms
