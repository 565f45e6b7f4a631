// The messenger protocol transport against Samba's smbd on 127.0.0.1, as
// scripts/with-smbd starts it: each message must reach smbd's message
// command byte for byte (smbd turns CP850 into UTF-8 and CR LF into LF).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "messenger/messenger_protocol_transport.hpp"
#include "messenger/posix_socket.hpp"
#include "platform/cp850_code_page.hpp"
#include "platform/simple_case_mapping.hpp"

namespace fs = std::filesystem;
using messenger::TransportResult;
using Kind = TransportResult::Kind;

namespace {

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The text of the message from `sender` (as smbd names it: upper case),
// waited for at most 10 s; "(none)" when it did not come.
std::string messageFrom(const std::string& sender) {
    const fs::path inbox = std::getenv("SMBD_INBOX");
    for (int waited = 0; waited < 10000; waited += 50) {
        for (const fs::directory_entry& entry : fs::directory_iterator(inbox))
            if (entry.path().filename().string().rfind("msg-" + sender + "-", 0) == 0) return contentsOf(entry.path());
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return "(none)";
}

struct SmbdDelivery : ::testing::Test {
    platform::Cp850CodePage cp850;
    platform::SimpleCaseMapping cases;
    messenger::MessengerProtocolTransport transport{messenger::makePosixSocket, cp850, cases};
};

}  // namespace

TEST_F(SmbdDelivery, AMessageArrivesFromItsSenderToItsRecipient) {
    const TransportResult result = transport.deliver("localhost", "tester1", "Hello from the suite");
    ASSERT_EQ(Kind::Delivered, result.kind) << result.reason;
    EXPECT_EQ("Hello from the suite", messageFrom("TESTER1"));
    EXPECT_NE(std::string::npos, contentsOf(std::getenv("SMBD_LOG")).find("SMBsendstrt (from TESTER1 to LOCALHOST)"));
}

// 652 bytes, the most a message carries: six blocks, CP850 letters and
// signs, line breaks as LF and as a lone CR.
TEST_F(SmbdDelivery, TheLongestMessageArrivesWholeInItsLettersAndLines) {
    const std::string line = "Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln: caf\xC3\xA9 \xC2\xBD \xE2\x96\x91\n";  // 26 bytes sent
    std::string text, arrives;
    for (int i = 0; i < 24; ++i) text += line;
    text += "one\rtwo";  // 24 * 26 + 8 = 632
    text += std::string(20, 'x');
    arrives = text;
    arrives[arrives.find('\r')] = '\n';

    EXPECT_EQ(Kind::Refused, transport.deliver("127.0.0.1", "tester2", text + "x").kind);
    const TransportResult result = transport.deliver("127.0.0.1", "tester2", text);
    ASSERT_EQ(Kind::Delivered, result.kind) << result.reason;
    EXPECT_EQ(arrives, messageFrom("TESTER2"));
}

TEST_F(SmbdDelivery, ComputersThatCannotBeReachedSayWhy) {
    EXPECT_EQ("the connection was refused", transport.deliver("127.0.0.2", "tester3", "hi").reason);
    EXPECT_EQ("the name could not be resolved", transport.deliver("no-such-pc", "tester3", "hi").reason);
}

int main(int argc, char** argv) {
    if (!std::getenv("SMBD_INBOX") || !std::getenv("SMBD_LOG")) {
        std::puts("SKIPPED: no smbd to send to (scripts/with-smbd starts one and runs this test beside it)");
        return 77;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
