#include "platform/lan_manager.hpp"

#include "platform/utf8.hpp"

namespace platform {

std::size_t utf16Length(const std::string& utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        units += length == 4 ? 2 : 1;  // beyond the basic plane: a surrogate pair
        i += length;
    }
    return units;
}

std::string serverNameText(const char16_t* name, std::size_t limit) {
    std::string out;
    if (!name) return out;
    auto put = [&out](char32_t c) { appendUtf8(out, c); };
    for (std::size_t i = 0; i < limit && name[i]; ++i) {
        const char16_t unit = name[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < limit && name[i + 1] >= 0xDC00 && name[i + 1] < 0xE000) {
            put(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (name[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            put(0xFFFD);
        } else {
            put(unit);
        }
    }
    return out;
}

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
