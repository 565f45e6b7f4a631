#include "forms/line.hpp"

namespace forms {

Line::Line(Window& window, std::string name) : Control(window, std::move(name)) { Line::reset(); }

void Line::reset() {
    Control::reset();
    setTabStop(false);
    setBackColor(colors::ButtonShadow);
}

std::unique_ptr<ControlPeer> Line::createPeer() { return makePeer(*this); }

}  // namespace forms
