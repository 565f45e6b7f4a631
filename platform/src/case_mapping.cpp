#include "platform/case_mapping.hpp"

#include "platform/utf8.hpp"

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
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size()) {  // not UTF-8: kept byte for byte
            out += text[i++];
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        appendUtf8(out, upperOf(c));
        i += length;
    }
    return out;
}

}  // namespace platform
