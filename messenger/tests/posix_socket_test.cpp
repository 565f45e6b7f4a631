// The POSIX socket against a listener of the test's own on the loopback.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "messenger/posix_socket.hpp"

using messenger::SocketStatus;
using namespace std::chrono_literals;

namespace {

// A socket bound to a free port of 127.0.0.1; listening when asked.
struct Loopback {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    std::uint16_t port = 0;
    explicit Loopback(bool listening) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        if (listening) ::listen(fd, 1);
    }
    ~Loopback() { ::close(fd); }
};

}  // namespace

TEST(PosixSocket, SendsAndReceivesExactlyAndEveryWaitEnds) {
    Loopback listener(true);
    auto socket = messenger::makePosixSocket();
    ASSERT_TRUE(socket->connect("127.0.0.1", listener.port, 2s).ok());
    const int peer = ::accept(listener.fd, nullptr, nullptr);
    ASSERT_GE(peer, 0);

    ASSERT_TRUE(socket->sendAll("ping", 2s).ok());
    char got[4] = {};
    EXPECT_EQ(4, ::recv(peer, got, 4, MSG_WAITALL));
    EXPECT_EQ("ping", std::string(got, 4));

    // Exactly what is asked for, no more.
    ASSERT_EQ(5, ::send(peer, "pongs", 5, 0));
    std::string bytes = "<";
    EXPECT_TRUE(socket->receive(4, bytes, 2s).ok());
    EXPECT_EQ("<pong", bytes);
    EXPECT_TRUE(socket->receive(1, bytes, 2s).ok());
    EXPECT_EQ("<pongs", bytes);

    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(SocketStatus::TimedOut, socket->receive(1, bytes, 200ms).status);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
    ::close(peer);
    EXPECT_EQ(SocketStatus::Closed, socket->receive(1, bytes, 2s).status);
}

TEST(PosixSocket, APortNoOneListensOnRefuses) {
    Loopback bound(false);  // holds the port, never listens
    auto socket = messenger::makePosixSocket();
    EXPECT_EQ(SocketStatus::Refused, socket->connect("127.0.0.1", bound.port, 2s).status);
}
