#pragma once
// A picture box showing one of the program's icons (by resource number),
// centred on its back colour.
#include <string>

#include "forms/control.hpp"

namespace forms {

class Picture : public Control {
public:
    Picture(Window& window, std::string name);

    // What the backend mirrors of a picture besides the common properties.
    enum class Aspect { Image };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    // Resource number of the icon shown; 0 shows none.
    int iconResource() const { return iconResource_; }
    void setIconResource(int id);

    bool focusable() const override { return false; }
    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }

    int iconResource_ = 0;
};

// Made by the backend linked into the program.
std::unique_ptr<Picture::Peer> makePeer(Picture& picture);

}  // namespace forms
