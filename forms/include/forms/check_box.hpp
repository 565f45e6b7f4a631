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

    // What the backend mirrors of a check box besides the common properties.
    enum class Aspect { Caption, Checked };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    std::string text() const override { return caption_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool checked() const { return checked_; }
    void setChecked(bool checked);

    // The user clicked it: the tick flips and onClick is raised.
    void userToggled();

    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }

    std::string caption_;
    bool checked_ = false;
};

// Made by the backend linked into the program.
std::unique_ptr<CheckBox::Peer> makePeer(CheckBox& checkBox);

}  // namespace forms
