#pragma once
// The program's icon in the notification area, tied to its window. It is
// there while it is active and its window is loaded; it goes when the window
// unloads or the program ends.
//
// Events:
//   mouse activity over the icon -> onNotify with the mouse message it carries
//   (for example 514 for a left button released, 515 for a left
//   double-click, 517 for a right button released)
#include <cstddef>
#include <functional>
#include <string>

#include "forms/control.hpp"

namespace forms {

namespace mouse {
constexpr int LeftButtonUp = 514, LeftDoubleClick = 515, RightButtonUp = 517;
}

// A short notice that the shell shows beside the icon for a while.
enum class BalloonIcon { None, Information, Warning, Error };
struct Balloon {
    std::string title;
    std::string text;
    BalloonIcon icon = BalloonIcon::None;
};

class TrayIcon : public Control {
public:
    TrayIcon(Window& window, std::string name);

    // What the backend mirrors of a notification-area icon.
    enum class Aspect { Active, Tip };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
        // Asks the shell to show the balloon; false when it refused.
        virtual bool showBalloon(const Balloon& balloon) = 0;
    };

    // Shows or removes the icon.
    bool active() const { return active_; }
    void setActive(bool active);
    // False when the system refused to show the icon.
    bool shown() const { return shown_; }
    const std::string& tip() const { return tip_; }
    void setTip(const std::string& tip);
    // Resource number of the icon; 0 uses the window's own icon.
    int iconResource() const { return iconResource_; }
    void setIconResource(int id) { iconResource_ = id; }
    // Shows a balloon from the icon, its title and text cut to what the
    // shell holds (kBalloonTitleUnits and kBalloonTextUnits UTF-16 units,
    // never inside a character). False when nothing was shown: the icon is
    // not in the notification area, or the shell refused.
    bool showBalloon(const std::string& title, const std::string& text, BalloonIcon icon);
    static constexpr std::size_t kBalloonTitleUnits = 63, kBalloonTextUnits = 255;

    std::function<void(int mouseMessage)> onNotify;

    // Reports from a backend.
    void userNotified(int mouseMessage);
    void setShown(bool shown) { shown_ = shown; }

    bool focusable() const override { return false; }
    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }

    bool active_ = false;
    bool shown_ = false;
    std::string tip_;
    int iconResource_ = 0;
};

// Made by the backend linked into the program.
std::unique_ptr<TrayIcon::Peer> makePeer(TrayIcon& trayIcon);

}  // namespace forms
