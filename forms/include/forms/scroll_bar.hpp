#pragma once
// A vertical scroll bar with a whole-number value between min and max (the
// top end is min).
//
// Events:
//   setValue() by code      -> onChange{Code} when the value differs
//   the user moves it       -> onChange{User}: on an arrow or bar click, a key,
//                              or the release of a dragged thumb; never while
//                              the thumb is being dragged
#include <string>

#include "forms/control.hpp"

namespace forms {

class ScrollBar : public Control {
public:
    ScrollBar(Window& window, std::string name);

    // What the backend mirrors of a scroll bar besides the common properties.
    enum class Aspect { Value, Range };
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect what) = 0;
    };

    int value() const { return value_; }
    void setValue(int value);
    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    void setChanges(int smallChange, int largeChange);

    std::function<void(const ChangeEvent&)> onChange;

    // The user finished a move at this value (clamped to the range).
    void userMoved(int value);

    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
    void update(Aspect what) {
        if (auto* peer = kindPeer<Peer>()) peer->update(what);
    }
    int clamp(int value) const;
    int value_ = 0;
    int min_ = 0;
    int max_ = 32767;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

// Made by the backend linked into the program.
std::unique_ptr<ScrollBar::Peer> makePeer(ScrollBar& scrollBar);

}  // namespace forms
