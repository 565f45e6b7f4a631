#include "forms/tray_icon.hpp"

#include "forms/app.hpp"
#include "forms/window.hpp"
#include "platform/unicode.hpp"

namespace forms {

TrayIcon::TrayIcon(Window& window, std::string name) : Control(window, std::move(name)) {
    TrayIcon::reset();
}

void TrayIcon::reset() {
    Control::reset();
    setTabStop(false);
    setVisible(false);  // it has no place in the window itself
    active_ = shown_ = false;
    tip_.clear();
    iconResource_ = 0;
}

void TrayIcon::setActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (!active_) shown_ = false;
    update(Aspect::Active);
}

void TrayIcon::setTip(const std::string& tip) {
    if (tip == tip_) return;
    tip_ = tip;
    update(Aspect::Tip);
}

bool TrayIcon::showBalloon(const std::string& title, const std::string& text, BalloonIcon icon) {
    auto* peer = kindPeer<Peer>();
    if (!peer || !active_ || !shown_) return false;
    const Balloon balloon{std::string(platform::firstUtf16Units(title, kBalloonTitleUnits)),
                          std::string(platform::firstUtf16Units(text, kBalloonTextUnits)), icon};
    return peer->showBalloon(balloon);
}

void TrayIcon::userNotified(int mouseMessage) {
    App::Dispatch dispatch(window().app());
    if (!active_ || !window().loaded()) return;
    record("Notify(" + std::to_string(mouseMessage) + ")");
    if (onNotify) onNotify(mouseMessage);
}

std::unique_ptr<ControlPeer> TrayIcon::createPeer() { return makePeer(*this); }

}  // namespace forms
