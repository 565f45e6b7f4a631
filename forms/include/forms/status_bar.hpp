#pragma once
// A status bar along the bottom of its window: a row of panels, found by key.
// A text panel shows the text the program gives it. The other styles show
// what the backend itself keeps current: the time in the user's long time
// format, the date in the user's short date format, "CAPS" in the normal text
// colour while Caps Lock is on and greyed while it is off. Their text in the
// model stays empty; panels() tells each panel's style.
//
// Events:
//   the user double-clicks the bar -> onDoubleClick
#include <string>
#include <vector>

#include "forms/control.hpp"

namespace forms {

enum class PanelStyle { Text, Time, Date, CapsLock };

struct StatusPanel {
    std::string key;
    PanelStyle style = PanelStyle::Text;
    std::string text;  // text panels only
    int width = 0;     // twips; a panel of width 0 takes the rest of the bar
    std::string toolTip;
    bool operator==(const StatusPanel& o) const {
        return key == o.key && style == o.style && text == o.text && width == o.width && toolTip == o.toolTip;
    }
};

class StatusBar : public Control {
public:
    StatusBar(Window& window, std::string name);

    // What the backend mirrors of a status bar besides the common properties.
    enum class Aspect { Panels, PanelTexts };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    // The first panel's text.
    std::string text() const override;
    void setText(const std::string& text);

    const std::vector<StatusPanel>& panels() const { return panels_; }
    // Replaces every panel; a clock or Caps Lock panel keeps no text.
    void setPanels(const std::vector<StatusPanel>& panels);
    // Sets the text of the text panel with that key (other styles ignore it).
    void setPanelText(const std::string& key, const std::string& text);

    bool focusable() const override { return false; }
    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }

    std::vector<StatusPanel> panels_;
};

// Made by the backend linked into the program.
std::unique_ptr<StatusBar::Peer> makePeer(StatusBar& statusBar);

}  // namespace forms
