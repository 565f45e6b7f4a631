#include "platform/scripted_lan_manager.hpp"

#include "platform/unicode.hpp"

namespace platform {

ServerList ScriptedLanManager::enumerateServers(std::uint32_t typeMask, const std::optional<std::string>& domain) {
    enumerations_.push_back({typeMask, domain});
    if (enumerationAnswers.empty()) return {};
    ServerList answer = enumerationAnswers.front();
    enumerationAnswers.pop_front();
    return answer;
}

ComputerName ScriptedLanManager::localComputerName() {
    return computerName;
}

std::uint32_t ScriptedLanManager::sendMessage(const std::string& recipient, const std::string& from,
                                              const std::string& message) {
    sends_.push_back({recipient, from, message, 2 * utf16Length(message)});
    if (duringSend) duringSend();
    if (sendResults.empty()) return kLanOk;
    std::uint32_t result = sendResults.front();
    sendResults.pop_front();
    return result;
}

}  // namespace platform
