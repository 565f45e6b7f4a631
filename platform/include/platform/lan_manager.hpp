#pragma once
// The LAN Manager calls of the network library: the browse-list enumeration,
// this computer's name and the direct message send. Names and messages are
// UTF-8 here; the implementation converts them to and from UTF-16.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Result codes the programs name.
constexpr std::uint32_t kLanOk = 0;
constexpr std::uint32_t kLanNotSupported = 50;  // the call could not be made, or raised
constexpr std::uint32_t kLanMoreData = 234;     // an enumeration returned only part of the list

// Server-type bit that asks for the domains and workgroups themselves.
constexpr std::uint32_t kDomainEnumMask = 0x80000000u;

struct ServerList {
    std::uint32_t result = kLanOk;
    std::uint32_t totalEntries = 0;  // as the call left it
    std::vector<std::string> names;  // the entries the call returned, in its order
};

struct ComputerName {
    std::uint32_t result = kLanOk;
    std::string name;  // empty unless result is 0
};

class LanManager {
public:
    virtual ~LanManager() = default;
    // NetServerEnum, level 101, on the local computer's browse list. No
    // domain (nullopt) is a null pointer; an empty one is an empty string.
    virtual ServerList enumerateServers(std::uint32_t typeMask, const std::optional<std::string>& domain) = 0;
    // NetWkstaGetInfo, level 100: the local computer's name.
    virtual ComputerName localComputerName() = 0;
    // NetMessageBufferSend from the local computer; the length passed is the
    // message's UTF-16 length in bytes, without the terminating zero.
    virtual std::uint32_t sendMessage(const std::string& recipient, const std::string& from,
                                      const std::string& message) = 0;
};

// A name as an enumeration returns it: UTF-16 up to its closing zero, read no
// further than `limit` units, as UTF-8. A surrogate without its partner
// (which no valid name holds) becomes U+FFFD, so the text is always valid.
std::string serverNameText(const char16_t* name, std::size_t limit);

}  // namespace platform
