#include "messenger/sender.hpp"

namespace messenger {

namespace {

// net's own words: its first line (the lines after it point to NET HELPMSG).
std::string firstLine(const std::string& output) {
    const std::size_t start = output.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return {};
    const std::size_t end = output.find_first_of("\r\n", start);
    return output.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

SendOutcome notDelivered(const std::string& recipient, std::string reason, bool unreachable = false) {
    return {recipient, false, std::move(reason), unreachable};
}

}  // namespace

std::string failureLine(const SendOutcome& outcome) {
    return outcome.recipient + (outcome.unreachable ? " could not be reached: " : ": ") + outcome.reason;
}

SendOutcome watchNetSend(ProcessRunner& runner, const Message& message) {
    const WatchedRun run = runner.runWatched(message.netCommand, message.netWindow, kNetAnswerTimeoutMs);
    if (!run.start.started) return notDelivered(message.recipient, run.start.errorText);
    if (!run.finished) return notDelivered(message.recipient, "no answer from net within 60 s");
    if (run.exitStatus == 0) return {message.recipient, true, {}, false};
    std::string said = firstLine(run.output);
    if (said.empty()) said = "net ended with status " + std::to_string(run.exitStatus);
    return notDelivered(message.recipient, said);
}

SendOutcome deliverBuiltIn(const DeliveryRoute& route, const std::string& recipient, const std::string& text) {
    // An empty name would reach this very computer through the resolver.
    if (recipient.find_first_not_of(" \t") == std::string::npos)
        return notDelivered(recipient, "no computer was named");
    std::string reasons;
    for (const auto& transport : route.transports) {
        const TransportResult result = transport->deliver(recipient, route.computerName, text);
        switch (result.kind) {
            case TransportResult::Kind::Delivered: return {recipient, true, {}, false};
            case TransportResult::Kind::Refused: return notDelivered(recipient, result.reason);
            case TransportResult::Kind::Unreachable:
                reasons += (reasons.empty() ? "" : ", and ") + result.reason;
                break;
        }
    }
    if (reasons.empty()) reasons = "no way of delivering messages is available";
    return notDelivered(recipient, reasons, true);
}

Sender::Sender(forms::App& app, ProcessRunner& runner, DeliveryRoute route)
    : app_(app), runner_(runner), route_(std::make_shared<const DeliveryRoute>(std::move(route))) {}

void Sender::send(const Message& message, Done done) {
    if (!route_->hasMessengerService) {
        deliver(message.recipient, message.text, std::move(done));
        return;
    }
    ProcessRunner* runner = &runner_;
    app_.runInBackground<SendOutcome>([runner, message] { return watchNetSend(*runner, message); },
                                      [done = std::move(done)](SendOutcome outcome) { done(outcome); });
}

void Sender::deliver(const std::string& recipient, const std::string& text, Done done) {
    app_.runInBackground<SendOutcome>(
        [route = route_, recipient, text] { return deliverBuiltIn(*route, recipient, text); },
        [done = std::move(done)](SendOutcome outcome) { done(outcome); });
}

}  // namespace messenger
