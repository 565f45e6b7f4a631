#include "platform/unicode.hpp"

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isSurrogate(char32_t c) { return c >= 0xD800 && c < 0xE000; }

}  // namespace

// The well-formed sequences are those of the Unicode standard (its table of
// well-formed UTF-8): each lead byte admits a narrower range for its second
// byte, which rules out overlong forms, surrogates and code points above
// U+10FFFF. A sequence broken off counts as one U+FFFD up to where it broke.
DecodedCharacter decodeUtf8(std::string_view text, std::size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t following;
    char32_t c;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        following = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2;
        c = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3;
        c = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {kReplacement, 1, false};
    }
    for (std::size_t i = 1; i <= following; ++i) {
        if (at + i >= text.size()) return {kReplacement, i, false};
        const unsigned char next = static_cast<unsigned char>(text[at + i]);
        if (next < low || next > high) return {kReplacement, i, false};
        low = 0x80;
        high = 0xBF;
        c = (c << 6) | (next & 0x3F);
    }
    return {c, following + 1, true};
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || isSurrogate(c)) c = kReplacement;
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

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCharacter d = decodeUtf8(text, at);
        if (!d.valid) return false;
        at += d.length;
    }
    return true;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCharacter d = decodeUtf8(text, at);
        if (d.value >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((d.value - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((d.value - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(d.value);
        }
        at += d.length;
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            appendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, unit);  // a lone surrogate becomes U+FFFD there
        }
    }
    return out;
}

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedCharacter d = decodeUtf8(text, at);
        units += d.value >= 0x10000 ? 2 : 1;
        at += d.length;
    }
    return units;
}

std::string_view firstUtf16Units(std::string_view text, std::size_t units) {
    std::size_t at = 0, taken = 0;
    while (at < text.size()) {
        const DecodedCharacter d = decodeUtf8(text, at);
        const std::size_t width = d.value >= 0x10000 ? 2 : 1;
        if (taken + width > units) break;
        taken += width;
        at += d.length;
    }
    return text.substr(0, at);
}

}  // namespace platform
