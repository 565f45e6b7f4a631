#pragma once
// A TCP connection as the messenger protocol needs it: every call blocks, at
// most for the time it is given. Winsock on Windows (win32_socket.hpp), POSIX
// sockets for the native tests against Samba (posix_socket.hpp), and a
// scripted double in the tests.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace messenger {

enum class SocketStatus {
    Done,
    Unresolved,  // the name has no IPv4 address
    Refused,     // nothing listens on the port
    TimedOut,    // no answer within the time given
    Closed,      // the other side closed the connection
    Failed       // anything else: detail says what
};

struct SocketResult {
    SocketStatus status = SocketStatus::Done;
    std::string detail;  // Failed: the system's text
    bool ok() const { return status == SocketStatus::Done; }
};

class Socket {
public:
    virtual ~Socket() = default;
    // Connects to `host` (a name, through the system's resolver, which on
    // Windows asks NetBIOS and LLMNR too; an IPv4 address as given): to the
    // first of its IPv4 addresses that answers, all within `timeout`.
    virtual SocketResult connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds timeout) = 0;
    virtual SocketResult sendAll(std::string_view bytes, std::chrono::milliseconds timeout) = 0;
    // Exactly `count` bytes, appended to `bytes`.
    virtual SocketResult receive(std::size_t count, std::string& bytes, std::chrono::milliseconds timeout) = 0;
    // Ends the connection; the socket may connect again.
    virtual void close() = 0;
};

}  // namespace messenger
