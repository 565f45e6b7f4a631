#include "forms/status_bar.hpp"

namespace forms {

StatusBar::StatusBar(Window& window, std::string name)
    : Control(window, std::move(name)) {
    StatusBar::reset();
}

void StatusBar::reset() {
    Control::reset();
    setTabStop(false);
    panels_.assign(1, StatusPanel{});
}

std::string StatusBar::text() const { return panels_.empty() ? std::string() : panels_.front().text; }

void StatusBar::setText(const std::string& text) {
    if (panels_.empty()) panels_.push_back(StatusPanel{});
    if (panels_.front().style != PanelStyle::Text || panels_.front().text == text) return;
    panels_.front().text = text;
    update(Aspect::PanelTexts);
}

void StatusBar::setPanels(const std::vector<StatusPanel>& panels) {
    std::vector<StatusPanel> kept = panels;
    for (StatusPanel& panel : kept)
        if (panel.style != PanelStyle::Text) panel.text.clear();  // the backend shows these
    if (kept == panels_) return;
    panels_ = std::move(kept);
    update(Aspect::Panels);
}

void StatusBar::setPanelText(const std::string& key, const std::string& text) {
    for (StatusPanel& panel : panels_) {
        if (panel.key != key || panel.style != PanelStyle::Text || panel.text == text) continue;
        panel.text = text;
        update(Aspect::PanelTexts);
    }
}

std::unique_ptr<ControlPeer> StatusBar::createPeer() { return makePeer(*this); }

}  // namespace forms
