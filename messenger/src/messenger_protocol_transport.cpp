#include "messenger/messenger_protocol_transport.hpp"

#include <optional>
#include <utility>

#include "messenger/smb_message.hpp"

namespace messenger {

namespace {

using Clock = std::chrono::steady_clock;
using Kind = TransportResult::Kind;

std::string duration(std::chrono::milliseconds time) {
    if (time.count() % 1000 == 0) return std::to_string(time.count() / 1000) + " s";
    return std::to_string(time.count()) + " ms";
}

// A name as the protocol carries it (upper case, in the OEM code page), or
// why it cannot be one. `whose` starts the reason: "its name", "this
// computer's name".
struct ProtocolName {
    std::string bytes;
    std::string problem;
};
ProtocolName protocolName(const std::string& name, const std::string& whose, const platform::OemCodePage& codePage,
                          const platform::CaseMapping& caseMapping) {
    const platform::OemText oem = codePage.encode(caseMapping.upper(name));
    if (!oem.missing.empty()) return {{}, whose + " has characters this system's OEM code page lacks: " + oem.missing};
    if (oem.bytes.size() > smb::kLongestName)
        return {
            {},
            whose + " is longer than the " + std::to_string(smb::kLongestName) + " characters a NetBIOS name can have"};
    return {oem.bytes, {}};
}

}  // namespace

// One connection and its conversation; every failure becomes the reason
// the message did not arrive.
class MessengerProtocolTransport::Exchange {
public:
    Exchange(Socket& socket, const ProtocolTimeouts& timeouts) : socket_(socket), timeouts_(timeouts) {}

    enum class Session { Open, Declined, Failed };

    // Asks for a session with `called`; a computer that does not know the
    // name declines (a negative response) and closes the connection.
    Session open(const std::string& host, std::string_view called, unsigned char suffix, std::string_view calling) {
        socket_.close();
        if (!check(socket_.connect(host, kPort, timeouts_.connect), timeouts_.connect)) return Session::Failed;
        if (!check(socket_.sendAll(smb::sessionRequest(called, suffix, calling), timeouts_.reply), timeouts_.reply))
            return Session::Failed;
        std::string body;
        const std::optional<unsigned char> type = receivePacket(body);
        if (!type) return Session::Failed;
        if (*type == static_cast<unsigned char>(smb::SessionPacket::Positive)) return Session::Open;
        if (*type == static_cast<unsigned char>(smb::SessionPacket::Negative) ||
            *type == static_cast<unsigned char>(smb::SessionPacket::Retarget)) {
            socket_.close();
            return Session::Declined;
        }
        fail(kNotTheProtocol);
        return Session::Failed;
    }

    // Sends one request and reads its reply: the reply, when it says done.
    std::optional<smb::Reply> request(const std::string& packet, smb::Command command) {
        if (!check(socket_.sendAll(packet, timeouts_.reply), timeouts_.reply)) return std::nullopt;
        std::string body;
        const std::optional<unsigned char> type = receivePacket(body);
        if (!type) return std::nullopt;
        const smb::Reply reply = smb::parseReply(body);
        if (*type != static_cast<unsigned char>(smb::SessionPacket::Message) || !reply.wellFormed ||
            reply.command != command) {
            fail(kNotTheProtocol);
            return std::nullopt;
        }
        if (reply.status != 0) {
            fail(smb::statusReason(reply.status));
            return std::nullopt;
        }
        return reply;
    }

    const std::string& reason() const { return reason_; }

private:
    static constexpr const char* kNotTheProtocol = "the computer did not answer in the messenger protocol";

    // The next session packet but keep-alives, all within the reply time:
    // its type, and its body in `body`.
    std::optional<unsigned char> receivePacket(std::string& body) {
        const Clock::time_point deadline = Clock::now() + timeouts_.reply;
        for (;;) {
            std::string header;
            if (!check(socket_.receive(smb::kSessionHeaderSize, header, left(deadline)), timeouts_.reply))
                return std::nullopt;
            const smb::SessionHeader parsed = smb::parseSessionHeader(header);
            body.clear();
            if (parsed.length > 0 && !check(socket_.receive(parsed.length, body, left(deadline)), timeouts_.reply))
                return std::nullopt;
            if (parsed.type != static_cast<unsigned char>(smb::SessionPacket::KeepAlive)) return parsed.type;
        }
    }

    static std::chrono::milliseconds left(Clock::time_point deadline) {
        const auto time = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        return time.count() > 0 ? time : std::chrono::milliseconds(0);
    }

    bool check(const SocketResult& result, std::chrono::milliseconds waited) {
        switch (result.status) {
            case SocketStatus::Done: return true;
            case SocketStatus::Unresolved: return fail("the name could not be resolved");
            case SocketStatus::Refused: return fail("the connection was refused");
            case SocketStatus::TimedOut: return fail("no answer within " + duration(waited));
            case SocketStatus::Closed: return fail("the computer closed the connection");
            case SocketStatus::Failed: return fail(result.detail.empty() ? "the connection failed" : result.detail);
        }
        return fail("the connection failed");
    }

    bool fail(std::string reason) {
        reason_ = std::move(reason);
        socket_.close();
        return false;
    }

    Socket& socket_;
    const ProtocolTimeouts& timeouts_;
    std::string reason_;
};

MessengerProtocolTransport::MessengerProtocolTransport(SocketFactory sockets, const platform::OemCodePage& codePage,
                                                       const platform::CaseMapping& caseMapping,
                                                       ProtocolTimeouts timeouts)
    : sockets_(std::move(sockets)), codePage_(codePage), caseMapping_(caseMapping), timeouts_(timeouts) {}

TransportResult MessengerProtocolTransport::deliver(const std::string& computer, const std::string& sender,
                                                    const std::string& text) {
    const ProtocolName to = protocolName(computer, "its name", codePage_, caseMapping_);
    if (!to.problem.empty()) return {Kind::Refused, to.problem};
    const ProtocolName from = protocolName(sender, "this computer's name", codePage_, caseMapping_);
    if (!from.problem.empty()) return {Kind::Refused, from.problem};
    const platform::OemText oem = codePage_.encode(smb::withCrLf(text));
    if (!oem.missing.empty())
        return {Kind::Refused, "the message has characters this system's OEM code page lacks: " + oem.missing};
    if (oem.bytes.size() > smb::kLongestText)
        return {Kind::Refused,
                "the message is too long for the messenger service: " + std::to_string(oem.bytes.size()) +
                    " characters, at most " + std::to_string(smb::kLongestText) + " (a line break counts as two)"};

    const std::unique_ptr<Socket> socket = sockets_();
    Exchange exchange(*socket, timeouts_);
    Exchange::Session session = exchange.open(computer, to.bytes, smb::kMessengerSuffix, from.bytes);
    if (session == Exchange::Session::Declined)
        session = exchange.open(computer, smb::kAnyServer, smb::kServerSuffix, from.bytes);
    if (session == Exchange::Session::Declined) return {Kind::Unreachable, "no messenger service answered"};
    if (session == Exchange::Session::Failed) return {Kind::Unreachable, exchange.reason()};

    const std::optional<smb::Reply> started =
        exchange.request(smb::startRequest(from.bytes, to.bytes), smb::kSendStart);
    if (!started) return {Kind::Unreachable, exchange.reason()};
    for (const std::string_view block : smb::textBlocks(oem.bytes))
        if (!exchange.request(smb::textRequest(started->group, block), smb::kSendText))
            return {Kind::Unreachable, exchange.reason()};
    if (!exchange.request(smb::endRequest(started->group), smb::kSendEnd))
        return {Kind::Unreachable, exchange.reason()};
    socket->close();
    return {Kind::Delivered, {}};
}

}  // namespace messenger
