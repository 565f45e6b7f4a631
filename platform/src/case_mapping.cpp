#include "platform/case_mapping.hpp"

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

void append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
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
        append(out, upperOf(c));
        i += length;
    }
    return out;
}

}  // namespace platform
