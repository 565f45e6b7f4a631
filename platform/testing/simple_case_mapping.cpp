#include "platform/simple_case_mapping.hpp"

#include "platform/unicode.hpp"

namespace platform {

namespace {

// The upper-case letter of one code point of the scripts the stand-in knows.
char32_t upperOf(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // Latin-1, not the division sign
    if (c == 0x3C2) return 0x3A3;                               // final sigma
    if (c >= 0x3B1 && c <= 0x3C9) return c - 0x20;              // Greek
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;              // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;              // Cyrillic with marks
    return c;
}

}  // namespace

std::string SimpleCaseMapping::upper(const std::string& text) const {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const DecodedCharacter d = decodeUtf8(text, i);
        if (d.valid) appendUtf8(out, upperOf(d.value));
        else out.append(text, i, d.length);  // not UTF-8: kept byte for byte
        i += d.length;
    }
    return out;
}

}  // namespace platform
