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

    // The first panel's text.
    std::string text() const override;
    void setText(const std::string& text);

    const std::vector<StatusPanel>& panels() const { return panels_; }
    void setPanels(const std::vector<StatusPanel>& panels);
    void setPanelText(const std::string& key, const std::string& text);

    bool focusable() const override { return false; }
    void reset() override;

private:
    std::vector<StatusPanel> panels_;
};

}  // namespace forms
