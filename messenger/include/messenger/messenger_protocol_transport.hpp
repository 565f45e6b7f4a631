#pragma once
// Delivery by the messenger protocol itself: a NetBIOS session with the
// computer's Messenger service on TCP 139 (and, when the computer does not
// answer to its name, with "*SMBSERVER"), then the message as one
// multi-block message (smb_message.hpp). The text goes in the system's OEM
// code page with CR LF line breaks. A message that the protocol or the code
// page cannot carry whole is refused, never cut or altered.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "messenger/socket.hpp"
#include "messenger/transport.hpp"
#include "platform/case_mapping.hpp"
#include "platform/oem_code_page.hpp"

namespace messenger {

struct ProtocolTimeouts {
    std::chrono::milliseconds connect{5000};
    std::chrono::milliseconds reply{5000};  // each answer, and each send
};

class MessengerProtocolTransport : public Transport {
public:
    // A new socket for each connection; the code page and case mapping must
    // outlive the transport. Deliveries may run at once on several threads.
    using SocketFactory = std::function<std::unique_ptr<Socket>()>;
    MessengerProtocolTransport(SocketFactory sockets, const platform::OemCodePage& codePage,
                               const platform::CaseMapping& caseMapping, ProtocolTimeouts timeouts = {});

    TransportResult deliver(const std::string& computer, const std::string& sender, const std::string& text) override;

    static constexpr std::uint16_t kPort = 139;

private:
    class Exchange;

    SocketFactory sockets_;
    const platform::OemCodePage& codePage_;
    const platform::CaseMapping& caseMapping_;
    ProtocolTimeouts timeouts_;
};

}  // namespace messenger
