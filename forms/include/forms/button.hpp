#pragma once
// A push button. With ownColors set it is drawn in its back colour and font
// instead of the system's. With a picture it shows one of the program's icons
// and no caption.
#include <string>

#include "forms/control.hpp"

namespace forms {

class Button : public Control {
public:
    Button(Window& window, std::string name);

    // What the backend mirrors of a button besides the common properties.
    enum class Aspect { Caption, OwnColors };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    std::string text() const override { return caption_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool ownColors() const { return ownColors_; }
    // Taken by the real button when it is made: changed later, it is made again.
    void setOwnColors(bool on);
    // The icon resource the button shows instead of its caption (0: none).
    // Taken by the real button when it is made: changed later, it is made again.
    int picture() const { return picture_; }
    void setPicture(int iconResource);

    // Presses the button from code: raises onClick.
    void click() { userClick(); }

    bool takesDialogKeys() const override { return true; }
    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }
    std::string caption_;
    bool ownColors_ = false;
    int picture_ = 0;
};

// Made by the backend linked into the program.
std::unique_ptr<Button::Peer> makePeer(Button& button);

}  // namespace forms
