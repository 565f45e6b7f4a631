#pragma once
// The Socket over Winsock (ws2_32), with only what Windows XP offers:
// getaddrinfo, non-blocking sockets and select.
#include <memory>

#include "messenger/socket.hpp"

namespace messenger {

std::unique_ptr<Socket> makeWinsockSocket();

}  // namespace messenger
