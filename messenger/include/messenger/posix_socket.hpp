#pragma once
// The Socket over POSIX sockets (Linux): for the native tests that send
// through the transport to a real smbd.
#include <memory>

#include "messenger/socket.hpp"

namespace messenger {

std::unique_ptr<Socket> makePosixSocket();

}  // namespace messenger
