#include "forms/types.hpp"

#include <algorithm>
#include <cctype>

namespace forms {

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

namespace {

// Walks a text one user-visible character at a time: a CR LF pair is one,
// a UTF-8 sequence is one. Stops when `stop` says so, before that character.
template <class Stop>
std::size_t walk(const std::string& text, int lineBreakUnits, int& position, int& units, Stop stop) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = 1;
        int width = 1;
        unsigned char lead = static_cast<unsigned char>(text[at]);
        if (text.compare(at, 2, "\r\n") == 0) {
            length = 2;
            width = lineBreakUnits;
        } else if (lead >= 0xC0) {
            while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) ++length;
            if (lead >= 0xF0) width = 2;  // a surrogate pair
        }
        if (stop(position, units + width)) break;
        at += length;
        ++position;
        units += width;
    }
    return at;
}

}  // namespace

int characterCount(const std::string& text) {
    int position = 0, units = 0;
    walk(text, 1, position, units, [](int, int) { return false; });
    return position;
}

std::size_t byteOffset(const std::string& text, int position) {
    int at = 0, units = 0;
    return walk(text, 1, at, units, [&](int here, int) { return here >= position; });
}

int unitOffset(const std::string& text, int position, int lineBreakUnits) {
    int at = 0, units = 0;
    walk(text, lineBreakUnits, at, units, [&](int here, int) { return here >= position; });
    return units;
}

// A unit inside a character (between CR and LF, or inside a surrogate pair)
// counts as the start of that character.
int positionAtUnit(const std::string& text, int units, int lineBreakUnits) {
    int position = 0, walked = 0;
    walk(text, lineBreakUnits, position, walked, [&](int, int after) { return after > units; });
    return position;
}

}  // namespace forms
