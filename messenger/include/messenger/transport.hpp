#pragma once
// One way of handing a message to a computer where the system has no
// Messenger service to do it: Terminal Services messages, or the messenger
// protocol over the NetBIOS session service. A transport blocks until it
// knows the outcome (within bounded timeouts), so it runs off the window's
// thread.
#include <string>

namespace messenger {

struct TransportResult {
    enum class Kind {
        Delivered,    // the computer took the message
        Unreachable,  // this way did not reach it: the next way may
        Refused       // this way reached it and the message can never go (e.g. too long): no other way is tried
    };
    Kind kind = Kind::Unreachable;
    // Why it did not arrive, in plain words that complete "<computer> could
    // not be reached: ..." (e.g. "the RPC server is unavailable"); empty when delivered.
    std::string reason;
};

class Transport {
public:
    virtual ~Transport() = default;
    // Hands `text` (UTF-8, line breaks as the user typed them) from the
    // computer `sender` to `computer` (a name or an IPv4 address).
    virtual TransportResult deliver(const std::string& computer, const std::string& sender,
                                    const std::string& text) = 0;
};

}  // namespace messenger
