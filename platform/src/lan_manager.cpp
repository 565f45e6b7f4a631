#include "platform/lan_manager.hpp"

#include "platform/unicode.hpp"

namespace platform {

std::string serverNameText(const char16_t* name, std::size_t limit) {
    if (!name) return {};
    std::size_t length = 0;
    while (length < limit && name[length]) ++length;
    return utf16ToUtf8(std::u16string_view(name, length));
}

}  // namespace platform
