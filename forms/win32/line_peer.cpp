// A line: a static control without text, which fills itself with the brush
// of its back colour.
#include "forms/line.hpp"
#include "win32_peer.hpp"

namespace forms::win32 {

class LinePeer : public ControlPeerBase, public Line::Peer {
public:
    explicit LinePeer(Line& line) : ControlPeerBase(line) { create(L"STATIC", 0, 0, ""); }
};

}  // namespace forms::win32

std::unique_ptr<forms::Line::Peer> forms::makePeer(Line& line) { return std::make_unique<win32::LinePeer>(line); }
