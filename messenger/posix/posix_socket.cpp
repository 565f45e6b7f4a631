// POSIX sockets, non-blocking underneath so that every wait is a poll with
// the time that is left.
#include "messenger/posix_socket.hpp"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace messenger {

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

SocketResult failure(int error) {
    if (error == ECONNREFUSED) return {SocketStatus::Refused, {}};
    if (error == ECONNRESET || error == EPIPE) return {SocketStatus::Closed, {}};
    return {SocketStatus::Failed, std::strerror(error)};
}

class PosixSocket : public Socket {
public:
    ~PosixSocket() override { close(); }

    SocketResult connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds timeout) override {
        close();
        const Clock::time_point deadline = Clock::now() + timeout;
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const int resolved = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
        if (resolved == EAI_SYSTEM) return failure(errno);
        if (resolved != 0) return {SocketStatus::Unresolved, gai_strerror(resolved)};
        SocketResult result{SocketStatus::Unresolved, {}};
        for (addrinfo* at = found; at && !result.ok() && millisecondsUntil(deadline) > 0; at = at->ai_next)
            result = connectTo(*at, deadline);
        freeaddrinfo(found);
        if (!result.ok()) close();
        return result;
    }

    SocketResult sendAll(std::string_view bytes, std::chrono::milliseconds timeout) override {
        const Clock::time_point deadline = Clock::now() + timeout;
        while (!bytes.empty()) {
            const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(sent));
            } else if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                return failure(errno);
            } else if (!ready(POLLOUT, deadline)) {
                return {SocketStatus::TimedOut, {}};
            }
        }
        return {};
    }

    SocketResult receive(std::size_t count, std::string& bytes, std::chrono::milliseconds timeout) override {
        const Clock::time_point deadline = Clock::now() + timeout;
        char buffer[4096];
        while (count > 0) {
            if (!ready(POLLIN, deadline)) return {SocketStatus::TimedOut, {}};
            const ssize_t got = ::recv(fd_, buffer, count < sizeof buffer ? count : sizeof buffer, 0);
            if (got == 0) return {SocketStatus::Closed, {}};
            if (got < 0) {
                if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) continue;
                return failure(errno);
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
            count -= static_cast<std::size_t>(got);
        }
        return {};
    }

    void close() override {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    SocketResult connectTo(const addrinfo& address, Clock::time_point deadline) {
        close();
        fd_ = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
        if (fd_ < 0) return failure(errno);
        fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
        if (::connect(fd_, address.ai_addr, address.ai_addrlen) == 0) return {};
        if (errno != EINPROGRESS) return failure(errno);
        if (!ready(POLLOUT, deadline)) return {SocketStatus::TimedOut, {}};
        int error = 0;
        socklen_t length = sizeof error;
        getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length);
        return error == 0 ? SocketResult{} : failure(error);
    }

    // Whether the socket became ready for `events` before the deadline.
    bool ready(short events, Clock::time_point deadline) const {
        for (;;) {
            pollfd watched{fd_, events, 0};
            const int n = ::poll(&watched, 1, millisecondsUntil(deadline));
            if (n > 0) return true;
            if (n == 0 || errno != EINTR) return false;
        }
    }

    int fd_ = -1;
};

}  // namespace

std::unique_ptr<Socket> makePosixSocket() { return std::make_unique<PosixSocket>(); }

}  // namespace messenger
