#pragma once
// A check box.
//
// Events:
//   the user clicks it        -> its tick flips, then onClick
//   setChecked() by code      -> onClick when the tick changes (as a click would)
#include <string>

#include "forms/control.hpp"

namespace forms {

class CheckBox : public Control {
public:
    CheckBox(Window& window, std::string name);

    std::string text() const override { return caption_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool checked() const { return checked_; }
    void setChecked(bool checked);

    // The user clicked it: the tick flips and onClick is raised.
    void userToggled();

    void reset() override;

private:
    std::string caption_;
    bool checked_ = false;
};

}  // namespace forms
