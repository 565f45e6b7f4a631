#pragma once
// A status bar along the bottom of its window: a row of panels. A text panel
// shows its text; the clock panels show the time or date, kept by the backend.
#include <string>
#include <vector>

#include "forms/control.hpp"

namespace forms {

enum class PanelStyle { Text, Time, Date, CapsLock };

struct StatusPanel {
    std::string key;
    PanelStyle style = PanelStyle::Text;
    std::string text;
    int width = 0;  // twips; 0 for the last panel takes the rest
    bool operator==(const StatusPanel& o) const {
        return key == o.key && style == o.style && text == o.text && width == o.width;
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
    void setPanels(const std::vector<StatusPanel>& panels);
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
