// The Winsock socket on a real (or Wine's) Windows, against a listener of the
// check's own on the loopback: exact receives, bounded waits, a closed peer
// and a refused connection.
#include <winsock2.h>

#include <chrono>
#include <string>

#include "gtest/gtest.h"
#include "messenger/win32_socket.hpp"

using messenger::SocketStatus;
using namespace std::chrono_literals;

namespace {

// A socket bound to a free port of 127.0.0.1; listening when asked.
struct Loopback {
    WSADATA data;
    bool started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    unsigned short port = 0;
    explicit Loopback(bool listening) {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int length = sizeof address;
        ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        if (listening) listen(socket, 1);
    }
    ~Loopback() {
        closesocket(socket);
        if (started) WSACleanup();
    }
};

}  // namespace

TEST(WinsockSocket, sends_and_receives_exactly_and_every_wait_ends) {
    Loopback listener(true);
    auto socket = messenger::makeWinsockSocket();
    ASSERT_TRUE(socket->connect("127.0.0.1", listener.port, 2s).ok());
    const SOCKET peer = accept(listener.socket, nullptr, nullptr);
    ASSERT_TRUE(peer != INVALID_SOCKET);

    ASSERT_TRUE(socket->sendAll("ping", 2s).ok());
    std::string got;
    char buffer[4];
    while (got.size() < 4) {
        const int n = recv(peer, buffer, static_cast<int>(4 - got.size()), 0);
        if (n <= 0) break;
        got.append(buffer, static_cast<std::size_t>(n));
    }
    EXPECT_EQ(got, "ping");

    ASSERT_EQ(::send(peer, "pongs", 5, 0), 5);
    std::string bytes = "<";
    EXPECT_TRUE(socket->receive(4, bytes, 2s).ok());
    EXPECT_EQ(bytes, "<pong");
    EXPECT_TRUE(socket->receive(1, bytes, 2s).ok());
    EXPECT_EQ(bytes, "<pongs");

    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(socket->receive(1, bytes, 200ms).status == SocketStatus::TimedOut);
    EXPECT_TRUE(std::chrono::steady_clock::now() - before < 2s);
    closesocket(peer);
    EXPECT_TRUE(socket->receive(1, bytes, 2s).status == SocketStatus::Closed);
}

TEST(WinsockSocket, a_port_no_one_listens_on_refuses) {
    Loopback bound(false);  // holds the port, never listens
    auto socket = messenger::makeWinsockSocket();
    EXPECT_TRUE(socket->connect("127.0.0.1", bound.port, 5s).status == SocketStatus::Refused);
}
