#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/lan_manager.hpp"

namespace platform {

// A scripted network for tests: answers enumerations and sends from queues
// (an empty queue answers with an empty list, or 0), and records every call.
class ScriptedLanManager : public LanManager {
public:
    struct Enumeration {
        std::uint32_t typeMask;
        std::optional<std::string> domain;
    };
    struct Sent {
        std::string recipient, from, message;
        std::size_t lengthInBytes;
    };

    std::deque<ServerList> enumerationAnswers;
    ComputerName computerName{kLanOk, "HERE"};
    std::deque<std::uint32_t> sendResults;
    // Called in the middle of each send, to look at the caller's state while it waits.
    std::function<void()> duringSend;

    const std::vector<Enumeration>& enumerations() const { return enumerations_; }
    const std::vector<Sent>& sends() const { return sends_; }

    ServerList enumerateServers(std::uint32_t typeMask, const std::optional<std::string>& domain) override;
    ComputerName localComputerName() override;
    std::uint32_t sendMessage(const std::string& recipient, const std::string& from,
                              const std::string& message) override;

private:
    std::vector<Enumeration> enumerations_;
    std::vector<Sent> sends_;
};

}  // namespace platform
