// The messenger protocol transport against a scripted computer: what it
// sends on each connection, and what it makes of each answer.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "messenger/messenger_protocol_transport.hpp"
#include "messenger/smb_message.hpp"
#include "platform/cp850_code_page.hpp"
#include "platform/simple_case_mapping.hpp"

namespace messenger {
bool operator==(const TransportResult& a, const TransportResult& b) { return a.kind == b.kind && a.reason == b.reason; }
void PrintTo(const TransportResult& result, std::ostream* out) {
    *out << "{kind " << static_cast<int>(result.kind) << ", \"" << result.reason << "\"}";
}
}  // namespace messenger

namespace smb = messenger::smb;
using messenger::SocketResult;
using messenger::SocketStatus;
using messenger::TransportResult;
using Kind = TransportResult::Kind;

namespace {

// One connection: how connecting ends, what the computer answers (all of it,
// in order; a read past the end times out), and what reached it.
struct Connection {
    explicit Connection(std::string answers, SocketResult connected = {})
        : connected(std::move(connected)), answers(std::move(answers)) {}
    SocketResult connected;
    std::string answers;
    std::string host;
    std::uint16_t port = 0;
    std::string sent;
};

// Each socket connects to the next connection of the script.
class ScriptedSocket : public messenger::Socket {
public:
    explicit ScriptedSocket(std::vector<Connection>& script, std::size_t& next) : script_(script), next_(next) {}
    SocketResult connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds) override {
        if (next_ == script_.size()) return {SocketStatus::Refused, {}};
        current_ = &script_[next_++];
        current_->host = host;
        current_->port = port;
        return current_->connected;
    }
    SocketResult sendAll(std::string_view bytes, std::chrono::milliseconds) override {
        current_->sent += bytes;
        return {};
    }
    SocketResult receive(std::size_t count, std::string& bytes, std::chrono::milliseconds) override {
        if (current_->answers.size() < count) return {SocketStatus::TimedOut, {}};
        bytes += current_->answers.substr(0, count);
        current_->answers.erase(0, count);
        return {};
    }
    void close() override {}

private:
    std::vector<Connection>& script_;
    std::size_t& next_;
    Connection* current_ = nullptr;
};

const std::string kPositive("\x82\0\0\0", 4);
const std::string kNegative("\x83\0\0\x01\x82", 5);  // called name not present

std::string reply(smb::Command command, std::uint32_t status = 0, std::string words = {}) {
    std::string body = "\xFFSMB";
    body += static_cast<char>(command);
    for (int shift = 0; shift < 32; shift += 8) body += static_cast<char>((status >> shift) & 0xFF);
    body.append(23, '\0');
    body += static_cast<char>(words.size() / 2);
    body += words + std::string(2, '\0');
    return std::string("\0\0\0", 3) + static_cast<char>(body.size()) + body;
}
std::string acceptedMessage(std::size_t blocks, const std::string& group = {}) {
    std::string answers = reply(smb::kSendStart, 0, group);
    for (std::size_t i = 0; i < blocks; ++i) answers += reply(smb::kSendText);
    return answers + reply(smb::kSendEnd);
}

struct TransportTest : ::testing::Test {
    std::vector<Connection> script;
    std::size_t next = 0;
    platform::Cp850CodePage cp850;
    platform::SimpleCaseMapping cases;
    messenger::MessengerProtocolTransport transport{[this] { return std::make_unique<ScriptedSocket>(script, next); },
                                                    cp850, cases};

    TransportResult send(const std::string& text, const std::string& to = "pc7") {
        return transport.deliver(to, "me", text);
    }
};

}  // namespace

TEST_F(TransportTest, AMessageGoesAsOneMultiBlockMessageInTheOemCodePageWithCrLf) {
    // 126 letters, "é", a line break and a letter: 130 bytes in two blocks;
    // the group 0xD5 gives is used for the rest.
    script = {Connection(kPositive + acceptedMessage(2, std::string("\x05\x00", 2)))};
    const TransportResult result = send(std::string(126, 'x') + "\xC3\xA9\nz");
    EXPECT_EQ(Kind::Delivered, result.kind);
    EXPECT_EQ("", result.reason);
    ASSERT_EQ(1u, next);
    EXPECT_EQ("pc7", script[0].host);
    EXPECT_EQ(139, script[0].port);
    EXPECT_EQ(smb::sessionRequest("PC7", 0x03, "ME") + smb::startRequest("ME", "PC7") +
                  smb::textRequest(5, std::string(126, 'x') + "\x82") + smb::textRequest(5, "\r\nz") +
                  smb::endRequest(5),
              script[0].sent);
}

TEST_F(TransportTest, AComputerThatDeclinesItsNameIsAskedAsSmbServer) {
    script = {Connection(kNegative), Connection(kPositive + acceptedMessage(1))};
    EXPECT_EQ(Kind::Delivered, send("hi").kind);
    ASSERT_EQ(2u, next);
    EXPECT_EQ(smb::sessionRequest("*SMBSERVER", 0x20, "ME"), script[1].sent.substr(0, 72));
    // Declined both times: no messenger service there.
    script = {Connection(kNegative), Connection(kNegative)};
    next = 0;
    EXPECT_EQ((TransportResult{Kind::Unreachable, "no messenger service answered"}), send("hi"));
}

TEST_F(TransportTest, WhatGoesWrongOnTheWayIsSaidInPlainWordsAndStopsTheMessage) {
    const auto failing = [this](Connection connection) {
        script = {std::move(connection)};
        next = 0;
        return send("hi").reason;
    };
    EXPECT_EQ("the name could not be resolved", failing(Connection("", {SocketStatus::Unresolved, {}})));
    EXPECT_EQ("the connection was refused", failing(Connection("", {SocketStatus::Refused, {}})));
    EXPECT_EQ("no answer within 5 s", failing(Connection("")));
    EXPECT_EQ("no answer within 5 s", failing(Connection(kPositive + reply(smb::kSendStart))));
    EXPECT_EQ("the computer did not answer in the messenger protocol",
              failing(Connection(kPositive + reply(smb::kSendEnd))));

    // A block refused: nothing more is sent, and the status is given.
    script = {Connection(kPositive + reply(smb::kSendStart) + reply(smb::kSendText, 0xC0000022u))};
    next = 0;
    EXPECT_EQ(
        (TransportResult{Kind::Unreachable, "the messenger service did not take the message (status 0xC0000022)"}),
        send("hi"));
    EXPECT_EQ(std::string::npos, script[0].sent.find("\xFFSMB\xD6"));
}

// What the protocol cannot carry whole is refused before anything is sent.
TEST_F(TransportTest, TooLongTextsAndNamesAndMissingCharactersAreRefusedUnsent) {
    script = {Connection(kPositive + acceptedMessage(6))};
    EXPECT_EQ(Kind::Delivered, send(std::string(650, 'x') + "\n").kind);  // 652 bytes with CR LF
    EXPECT_EQ((TransportResult{Kind::Refused,
                               "the message is too long for the messenger service: 653 characters, at most 652 "
                               "(a line break counts as two)"}),
              send(std::string(651, 'x') + "\n"));
    EXPECT_EQ((TransportResult{Kind::Refused,
                               "the message has characters this system's OEM code page lacks: "
                               "\xE2\x82\xAC"}),
              send("5 \xE2\x82\xAC"));
    EXPECT_EQ((TransportResult{Kind::Refused, "its name is longer than the 15 characters a NetBIOS name can have"}),
              send("hi", "sixteen-letters!"));
    EXPECT_EQ(Kind::Refused, transport.deliver("pc7", "a-longer-computer", "hi").kind);
    EXPECT_EQ(1u, next);
}
