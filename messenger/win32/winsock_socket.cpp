// Winsock, non-blocking underneath so that every wait is a select with the
// time that is left. (WSAPoll and inet_pton are not on Windows XP.)
#include <winsock2.h>
#include <ws2tcpip.h>

#include "messenger/win32_socket.hpp"
#include "platform/win32_text.hpp"

namespace messenger {

namespace {

using Clock = std::chrono::steady_clock;

timeval timeLeft(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
    if (left < 0) left = 0;
    timeval time;
    time.tv_sec = static_cast<long>(left / 1000000);
    time.tv_usec = static_cast<long>(left % 1000000);
    return time;
}

SocketResult failure(int error) {
    switch (error) {
        case WSAECONNREFUSED: return {SocketStatus::Refused, {}};
        case WSAECONNRESET:
        case WSAECONNABORTED:
        case WSAESHUTDOWN: return {SocketStatus::Closed, {}};
        case WSAETIMEDOUT: return {SocketStatus::TimedOut, {}};
        default: return {SocketStatus::Failed, platform::systemErrorText(static_cast<DWORD>(error))};
    }
}

class WinsockSocket : public Socket {
public:
    WinsockSocket() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockSocket() override {
        close();
        if (started_) WSACleanup();
    }

    SocketResult connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds timeout) override {
        close();
        if (!started_) return failure(WSASYSNOTREADY);
        const Clock::time_point deadline = Clock::now() + timeout;
        addrinfo hints = {};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_protocol = IPPROTO_TCP;
        addrinfo* found = nullptr;
        const int resolved = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
        if (resolved == WSAHOST_NOT_FOUND || resolved == WSANO_DATA || resolved == WSATRY_AGAIN)
            return {SocketStatus::Unresolved, {}};
        if (resolved != 0) return failure(resolved);
        SocketResult result{SocketStatus::Unresolved, {}};
        for (addrinfo* at = found; at && !result.ok() && Clock::now() < deadline; at = at->ai_next)
            result = connectTo(*at, deadline);
        freeaddrinfo(found);
        if (!result.ok()) close();
        return result;
    }

    SocketResult sendAll(std::string_view bytes, std::chrono::milliseconds timeout) override {
        const Clock::time_point deadline = Clock::now() + timeout;
        while (!bytes.empty()) {
            const int chunk = bytes.size() > 65536 ? 65536 : static_cast<int>(bytes.size());
            const int sent = ::send(socket_, bytes.data(), chunk, 0);
            if (sent > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(sent));
            } else if (WSAGetLastError() != WSAEWOULDBLOCK) {
                return failure(WSAGetLastError());
            } else if (!ready(false, deadline)) {
                return {SocketStatus::TimedOut, {}};
            }
        }
        return {};
    }

    SocketResult receive(std::size_t count, std::string& bytes, std::chrono::milliseconds timeout) override {
        const Clock::time_point deadline = Clock::now() + timeout;
        char buffer[4096];
        while (count > 0) {
            if (!ready(true, deadline)) return {SocketStatus::TimedOut, {}};
            const int got = ::recv(socket_, buffer, count < sizeof buffer ? static_cast<int>(count) : sizeof buffer, 0);
            if (got == 0) return {SocketStatus::Closed, {}};
            if (got < 0) {
                if (WSAGetLastError() == WSAEWOULDBLOCK) continue;
                return failure(WSAGetLastError());
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
            count -= static_cast<std::size_t>(got);
        }
        return {};
    }

    void close() override {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
        socket_ = INVALID_SOCKET;
    }

private:
    SocketResult connectTo(const addrinfo& address, Clock::time_point deadline) {
        close();
        socket_ = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
        if (socket_ == INVALID_SOCKET) return failure(WSAGetLastError());
        u_long nonBlocking = 1;
        ioctlsocket(socket_, FIONBIO, &nonBlocking);
        if (::connect(socket_, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) return {};
        if (WSAGetLastError() != WSAEWOULDBLOCK) return failure(WSAGetLastError());
        // A connection that fails shows in the exception set, with its reason in SO_ERROR.
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(socket_, &writable);
        FD_SET(socket_, &failed);
        timeval time = timeLeft(deadline);
        const int n = select(0, nullptr, &writable, &failed, &time);
        if (n == 0) return {SocketStatus::TimedOut, {}};
        if (n < 0) return failure(WSAGetLastError());
        int error = 0;
        int length = sizeof error;
        getsockopt(socket_, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
        if (FD_ISSET(socket_, &failed) || error != 0) return failure(error != 0 ? error : WSAECONNREFUSED);
        return {};
    }

    // Whether the socket became readable (or writable) before the deadline.
    bool ready(bool forReading, Clock::time_point deadline) const {
        fd_set watched;
        FD_ZERO(&watched);
        FD_SET(socket_, &watched);
        timeval time = timeLeft(deadline);
        return select(0, forReading ? &watched : nullptr, forReading ? nullptr : &watched, nullptr, &time) > 0;
    }

    bool started_ = false;
    SOCKET socket_ = INVALID_SOCKET;
};

}  // namespace

std::unique_ptr<Socket> makeWinsockSocket() { return std::make_unique<WinsockSocket>(); }

}  // namespace messenger
