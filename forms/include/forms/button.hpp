#pragma once
// A push button. With ownColors set it is drawn in its back colour and font
// instead of the system's.
#include <string>

#include "forms/control.hpp"

namespace forms {

class Button : public Control {
public:
    Button(Window& window, std::string name);

    std::string text() const override { return caption_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool ownColors() const { return ownColors_; }
    void setOwnColors(bool on) { ownColors_ = on; }

    // Presses the button from code: raises onClick.
    void click() { userClick(); }

    void reset() override;

private:
    std::string caption_;
    bool ownColors_ = false;
};

}  // namespace forms
