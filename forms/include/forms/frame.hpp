#pragma once
// A group frame: a captioned border around controls that are placed over it
// on the same window (it holds no controls of its own). It never takes the
// focus, and the controls over it stay in front of it.
#include <string>

#include "forms/control.hpp"

namespace forms {

class Frame : public Control {
public:
    Frame(Window& window, std::string name);

    // What the backend mirrors of a frame besides the common properties.
    enum class Aspect { Caption };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    std::string text() const override { return caption_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

    bool focusable() const override { return false; }
    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }

    std::string caption_;
};

// Made by the backend linked into the program.
std::unique_ptr<Frame::Peer> makePeer(Frame& frame);

}  // namespace forms
