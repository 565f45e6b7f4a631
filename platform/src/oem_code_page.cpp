#include "platform/oem_code_page.hpp"

#include "platform/unicode.hpp"

namespace platform {

OemText encodeEachCharacter(const std::string& text,
                            const std::function<std::optional<std::string>(char32_t)>& encodeOne) {
    OemText out;
    std::string missingSoFar;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCharacter c = decodeUtf8(text, at);
        at += c.length;
        const std::optional<std::string> bytes = c.valid ? encodeOne(c.value) : std::nullopt;
        if (bytes) {
            out.bytes += *bytes;
            continue;
        }
        std::string character;
        appendUtf8(character, c.valid ? c.value : U'\uFFFD');
        if (out.missing.find(character) == std::string::npos) out.missing += character;
    }
    if (!out.missing.empty()) out.bytes.clear();
    return out;
}

}  // namespace platform
