#pragma once
// A label: a caption drawn in its own colours and font; it never takes the focus.
#include <string>

#include "forms/control.hpp"

namespace forms {

enum class Alignment { Left, Right, Center };

class Label : public Control {
public:
    Label(Window& window, std::string name);

    // What the backend mirrors of a label besides the common properties.
    enum class Aspect { Caption, Alignment };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    std::string text() const override { return caption_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

    bool focusable() const override { return false; }
    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }

    std::string caption_;
    Alignment alignment_ = Alignment::Left;
};

// Made by the backend linked into the program.
std::unique_ptr<Label::Peer> makePeer(Label& label);

}  // namespace forms
