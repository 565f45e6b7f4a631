#pragma once
// How the programs send a message: the one place that chooses the way and
// says what came of it. On a system with the Messenger service (Windows
// before 6.0) the program's own `net send` command is started and watched;
// on later systems net has no SEND, so the message is delivered here through
// the transports, in order. The work runs off the window's thread; each
// recipient's outcome comes back to the window as an event, and a message
// that did not arrive is never reported as delivered.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/app.hpp"
#include "messenger/process_runner.hpp"
#include "messenger/transport.hpp"

namespace messenger {

// How long a watched `net send` may take; after that it is reported and left alone.
constexpr std::uint32_t kNetAnswerTimeoutMs = 60000;

struct SendOutcome {
    std::string recipient;
    bool delivered = false;
    // Why not, in plain words: net's own text, "no answer from net within
    // 60 s", or the transports' reasons ("the RPC server is unavailable, and
    // no messenger service answered"); empty when delivered.
    std::string reason;
    // No way reached the computer (rather than a refusal by net or a transport).
    bool unreachable = false;
};

// One recipient's line in a list of failures: "<recipient> could not be
// reached: <reason>" when nothing reached it, else "<recipient>: <reason>".
std::string failureLine(const SendOutcome& outcome);

// What this system offers for delivery: made once at start
// (makeWin32DeliveryRoute on Windows), or by a test.
struct DeliveryRoute {
    bool hasMessengerService = true;
    std::string computerName;                            // this computer, named as the sender
    std::vector<std::shared_ptr<Transport>> transports;  // tried in order
};

// One recipient's message as a program sends it.
struct Message {
    std::string recipient;
    std::string text;        // exactly as the user wrote it
    std::string netCommand;  // the program's `net send` command line for it
    WindowStyle netWindow = WindowStyle::Hidden;
};

// The blocking parts, run off the window's thread.
SendOutcome watchNetSend(ProcessRunner& runner, const Message& message);
SendOutcome deliverBuiltIn(const DeliveryRoute& route, const std::string& recipient, const std::string& text);

class Sender {
public:
    using Done = std::function<void(const SendOutcome&)>;

    // The runner must outlive every watch, which may run on after the
    // program's end for up to kNetAnswerTimeoutMs (win32ProcessRunner() never goes).
    Sender(forms::App& app, ProcessRunner& runner, DeliveryRoute route);

    bool hasMessengerService() const { return route_->hasMessengerService; }
    // The system's way for this message: net send, watched, or built-in delivery.
    void send(const Message& message, Done done);
    // Built-in delivery whatever the system (for a program whose own way
    // found no Messenger service).
    void deliver(const std::string& recipient, const std::string& text, Done done);

private:
    forms::App& app_;
    ProcessRunner& runner_;
    std::shared_ptr<const DeliveryRoute> route_;
};

}  // namespace messenger
