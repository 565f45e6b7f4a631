#pragma once
// A line: a horizontal stroke filling its bounds in its colour (the back
// colour). An etched separator is two of them, a shadow line with a highlight
// line one pixel below it.
#include <string>

#include "forms/control.hpp"

namespace forms {

class Line : public Control {
public:
    Line(Window& window, std::string name);

    // A line mirrors only the common properties.
    enum class Aspect {};
    class Peer : public virtual ControlPeer {
    public:
        virtual void update(Aspect) {}
    };

    bool focusable() const override { return false; }
    void reset() override;

private:
    std::unique_ptr<ControlPeer> createPeer() override;
};

// Made by the backend linked into the program.
std::unique_ptr<Line::Peer> makePeer(Line& line);

}  // namespace forms
