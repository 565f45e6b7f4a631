#pragma once
// Messages through Terminal Services, as the system's own msg.exe sends them:
// a message box in every session that someone is logged on to at the
// computer. Windows builds only; wtsapi32.dll is loaded by name for each
// delivery, so a system without it (or without one of its functions) answers
// Unreachable and the program still starts on every Windows.
#include "messenger/transport.hpp"

namespace messenger {

class TerminalServicesTransport : public Transport {
public:
    // The box's title is "Message from <sender>"; its text is `text` exactly.
    // Delivered when at least one active session took it.
    TransportResult deliver(const std::string& computer, const std::string& sender, const std::string& text) override;
};

}  // namespace messenger
